// Any bytes as a statistics file: the codes of its lines are read for the duplicate rule.
// There is one code per line, and none holds a line break or a TAB.
#include "platform/LineFile.h"
#include "statistics/StatisticsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto codes = quelvarin::statistics::CodesInText(bytes);
    if (codes.size() != quelvarin::SplitLineViews(bytes).size()) {
        std::abort();
    }
    for (const auto& code : codes) {
        if (code.find_first_of("\t\n") != std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
