// Any bytes as a sign help file: every code's text must be readable, the starred lines must
// join back to what they were split from, and the codec must give back the very bytes.
#include "model/SignHelpTexts.h"
#include "model/StarredText.h"
#include "platform/Cp1250.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto text = quelvarin::DecodeCp1250(bytes);
    if (quelvarin::EncodeCp1250(text) != bytes) {
        std::abort();
    }
    quelvarin::HelpTextFile file;
    file.SetContent(text);
    for (quelvarin::SignCode code = 0; code < 600; ++code) {
        auto lines = file.Text(code);
        if (code < file.RawLines().size()) {
            const auto& raw = file.RawLines()[code];
            auto kept = raw.substr(0, raw.rfind('*') == std::string::npos ? 0 : raw.rfind('*') + 1);
            if (quelvarin::JoinStarred(lines) != kept) {
                std::abort();
            }
        } else if (!lines.empty()) {
            std::abort();
        }
    }
    return 0;
}
