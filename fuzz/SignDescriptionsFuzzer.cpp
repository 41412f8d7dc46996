// Any bytes as the joint examination's krv.txt: 31 lines always come out, and what is written
// back reads as the same lines.
#include "joint/SignDescriptions.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto lines = quelvarin::joint::DescriptionsFromBytes(bytes);
    auto again = quelvarin::joint::DescriptionsFromBytes(quelvarin::joint::DescriptionBytes(lines));
    if (again != lines) {
        std::abort();
    }
    return 0;
}
