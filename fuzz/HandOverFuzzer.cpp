// Any bytes as the hand-over file of a sibling program: read without failing, and what it
// gives is one line of text each, as a personal-data field must be.
#include "model/HandOver.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void CheckField(const std::optional<std::string>& field) {
    if (field && field->find('\n') != std::string::npos) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto handOver = quelvarin::ParseHandOver(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckField(handOver.code);
    CheckField(handOver.name);
    if (handOver.sex && *handOver.sex != "férfi" && *handOver.sex != "nő") {
        std::abort();
    }
    return 0;
}
