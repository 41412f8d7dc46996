// Any bytes as a protocol file: the parser must survive them, and a file it accepts must
// serialize to bytes that parse to the same protocol and serialize identically.
#include "model/ProtocolFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto parse = quelvarin::ParseProtocol(bytes);
    if (!parse) {
        if (parse.error.line < 1 || parse.error.reason.empty()) {
            std::abort();
        }
        return 0;
    }
    auto written = quelvarin::SerializeProtocol(parse.parsed->protocol, parse.parsed->texts);
    auto again = quelvarin::ParseProtocol(written);
    if (!again || again.parsed->protocol.answers != parse.parsed->protocol.answers ||
        !(again.parsed->protocol.counts == parse.parsed->protocol.counts) ||
        quelvarin::SerializeProtocol(again.parsed->protocol, again.parsed->texts) != written) {
        std::abort();
    }
    return 0;
}
