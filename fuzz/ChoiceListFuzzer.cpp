// Any bytes as a list file of the personal data: every choice is a non-empty line without
// trailing blanks, and the choices written back as a list file read as the same choices.
#include "model/ChoiceList.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto choices = quelvarin::ParseChoiceList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& choice : choices) {
        if (choice.empty() || choice.back() == ' ' || choice.back() == '\t' ||
            choice.find('\n') != std::string::npos) {
            std::abort();
        }
    }
    auto written = quelvarin::EncodeCp1250(quelvarin::JoinLines(choices));
    if (quelvarin::ParseChoiceList(written) != choices) {
        std::abort();
    }
    return 0;
}
