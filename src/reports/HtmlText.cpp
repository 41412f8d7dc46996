#include "reports/HtmlText.h"

#include "platform/Utf8.h"

#include <array>
#include <utility>

namespace quelvarin::reports {
namespace {

constexpr std::array<std::pair<char32_t, std::string_view>, 18> kEntities = {{
    {U'Á', "&Aacute;"},
    {U'á', "&aacute;"},
    {U'É', "&Eacute;"},
    {U'é', "&eacute;"},
    {U'Í', "&Iacute;"},
    {U'í', "&iacute;"},
    {U'Ó', "&Oacute;"},
    {U'ó', "&oacute;"},
    {U'Ő', "&Odblac;"},
    {U'ő', "&odblac;"},
    {U'Ö', "&Ouml;"},
    {U'ö', "&ouml;"},
    {U'Ú', "&Uacute;"},
    {U'ú', "&uacute;"},
    {U'Ű', "&Udblac;"},
    {U'ű', "&udblac;"},
    {U'Ü', "&Uuml;"},
    {U'ü', "&uuml;"},
}};

} // namespace

std::string EncodeHtmlEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    Utf8Reader reader(text);
    std::size_t start = 0;
    while (auto cp = reader.Next()) {
        auto end = reader.Position();
        std::string_view entity;
        for (const auto& [letter, name] : kEntities) {
            if (letter == *cp) {
                entity = name;
                break;
            }
        }
        if (entity.empty()) {
            out.append(text.substr(start, end - start));
        } else {
            out.append(entity);
        }
        start = end;
    }
    if (out == "nem prefer") {
        return "nem prefer&aacute;lt";
    }
    if (out == "prefer&aacute;lt") {
        return "<B>prefer&aacute;lt</B>";
    }
    return out;
}

std::string ReplaceQuotes(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '"') {
            out += "&Prime;";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string EscapeHtmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string EscapeForPopup(std::string_view text, PopupPart part) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;amp;";
            break;
        case '<':
            out += "&amp;lt;";
            break;
        case '>':
            out += "&amp;gt;";
            break;
        case '\'':
            out += "\\'";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += part == PopupPart::Message ? "&Prime;" : "&quot;";
            break;
        default:
            out.push_back(byte < 0x20 ? ' ' : c);
        }
    }
    return out;
}

} // namespace quelvarin::reports
