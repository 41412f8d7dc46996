#include "platform/HtmlEntities.h"

#include "platform/Utf8.h"

#include <array>
#include <utility>

namespace quelvarin {
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

} // namespace quelvarin
