// Any bytes as a file opened in the text-file editor: its lines, written back with the line ends
// it was read with, must read as the same lines again.
#include "platform/Cp1250.h"
#include "platform/LineFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto rows = quelvarin::SplitLines(quelvarin::DecodeCp1250(bytes));
    auto end = quelvarin::LineEndOf(bytes);
    auto written = quelvarin::EncodeCp1250(quelvarin::JoinLines(rows, end));
    if (quelvarin::SplitLines(quelvarin::DecodeCp1250(written)) != rows) {
        std::abort();
    }
    if (!rows.empty() && quelvarin::LineEndOf(written) != end) {
        std::abort();
    }
    return 0;
}
