#include "workstation/JsonWriter.h"

#include <cstdio>

namespace quelvarin {

std::string JsonObjectWriter::Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(byte));
                out += escape;
            } else {
                out.push_back(c);
            }
        }
    }
    out += '"';
    return out;
}

void JsonObjectWriter::Member(std::string_view key, std::string value) {
    m_members.push_back(Quote(key) + ": " + std::move(value));
}

void JsonObjectWriter::Add(std::string_view key, std::string_view value) {
    Member(key, Quote(value));
}

void JsonObjectWriter::Add(std::string_view key, long long value) {
    Member(key, std::to_string(value));
}

void JsonObjectWriter::Add(std::string_view key, bool value) {
    Member(key, value ? "true" : "false");
}

void JsonObjectWriter::Add(std::string_view key, const std::vector<long long>& values) {
    std::string array = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        array += (i ? ", " : "") + std::to_string(values[i]);
    }
    Member(key, array + "]");
}

void JsonObjectWriter::Add(std::string_view key, const std::vector<std::string>& values) {
    std::string array = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        array += (i ? ", " : "") + Quote(values[i]);
    }
    Member(key, array + "]");
}

void JsonObjectWriter::AddRaw(std::string_view key, std::string_view json) {
    Member(key, std::string(json));
}

std::string JsonObjectWriter::Finish() const {
    std::string out = "{\n";
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        out += "  " + m_members[i] + (i + 1 < m_members.size() ? ",\n" : "\n");
    }
    return out + "}\n";
}

} // namespace quelvarin
