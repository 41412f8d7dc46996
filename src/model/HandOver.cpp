#include "model/HandOver.h"

#include "platform/Cp1250.h"
#include "platform/LineFile.h"

namespace quelvarin {

namespace {

void TakeFirst(std::optional<std::string>& field, std::string_view value) {
    if (!field) {
        field = std::string(value);
    }
}

} // namespace

HandOver ParseHandOver(std::string_view bytes) {
    HandOver handOver;
    auto text = DecodeCp1250(bytes);
    for (auto line : SplitLineViews(text)) {
        auto equals = line.find('=');
        auto end = line.rfind(';');
        if (equals == std::string_view::npos || end == std::string_view::npos || end < equals) {
            continue;
        }
        auto key = line.substr(0, equals);
        auto value = line.substr(equals + 1, end - equals - 1);
        if (key == "kód") {
            TakeFirst(handOver.code, value);
        } else if (key == "név") {
            TakeFirst(handOver.name, value);
        } else if (key == "nem" && !handOver.sex) {
            // A value other than 1 or 2 says nothing about the sex: the line counts as absent.
            if (value == "1") {
                handOver.sex = "férfi";
            } else if (value == "2") {
                handOver.sex = "nő";
            }
        }
    }
    return handOver;
}

} // namespace quelvarin
