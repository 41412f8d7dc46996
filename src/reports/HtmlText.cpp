#include "reports/HtmlText.h"

namespace quelvarin::reports {

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
