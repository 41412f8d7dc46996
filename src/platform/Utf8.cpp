#include "platform/Utf8.h"

namespace quelvarin {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

} // namespace

std::optional<char32_t> Utf8Reader::Next() {
    if (m_pos >= m_text.size()) {
        return std::nullopt;
    }
    auto lead = static_cast<unsigned char>(m_text[m_pos]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80u) {
        ++m_pos;
        return lead;
    } else if ((lead & 0xE0u) == 0xC0u) {
        length = 2, cp = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3, cp = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4, cp = lead & 0x07u, minimum = 0x10000;
    } else {
        ++m_pos;
        return kReplacement;
    }
    if (m_pos + length > m_text.size()) {
        ++m_pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        auto byte = static_cast<unsigned char>(m_text[m_pos + i]);
        if (!IsContinuation(byte)) {
            ++m_pos;
            return kReplacement;
        }
        cp = (cp << 6) | (byte & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++m_pos;
        return kReplacement;
    }
    m_pos += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t count = 0;
    Utf8Reader reader(utf8);
    while (reader.Next()) {
        ++count;
    }
    return count;
}

std::string_view FirstChar(std::string_view utf8) {
    Utf8Reader reader(utf8);
    reader.Next();
    return utf8.substr(0, reader.Position());
}

std::string_view TrimBlanks(std::string_view text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace quelvarin
