#include "platform/DocumentFileName.h"

#include "platform/Utf8.h"

#include <array>
#include <cctype>

namespace quelvarin {
namespace {

constexpr char kReplacement = '_';
constexpr char32_t kMalformed = 0xFFFD; // what the reader yields for a malformed sequence

bool IsForbidden(char32_t c) {
    constexpr std::u32string_view kWindowsForbidden = U"<>:\"/\\|?*";
    bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    return control || c == kMalformed || kWindowsForbidden.find(c) != std::u32string_view::npos;
}

bool IsDeviceName(std::string_view name) {
    constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
    constexpr std::array<std::string_view, 2> kNumberedDevices = {"com", "lpt"};
    // Windows reads "nul.txt" and "nul .txt" as the device too.
    auto stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.remove_suffix(1);
    }
    std::string lower;
    for (char c : stem) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (auto device : kDevices) {
        if (lower == device) {
            return true;
        }
    }
    // COM0..COM9 and LPT0..LPT9, also with a superscript 1, 2 or 3.
    constexpr std::array<std::string_view, 3> kSuperscripts = {"\u00B9", "\u00B2", "\u00B3"};
    for (auto device : kNumberedDevices) {
        if (!lower.starts_with(device)) {
            continue;
        }
        std::string_view number = std::string_view(lower).substr(device.size());
        if (number.size() == 1 && number[0] >= '0' && number[0] <= '9') {
            return true;
        }
        for (auto superscript : kSuperscripts) {
            if (number == superscript) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::string DocumentFileName(std::string_view code) {
    auto text = TrimBlanks(code);
    std::string name;
    Utf8Reader reader(text);
    std::size_t start = 0;
    while (auto c = reader.Next()) {
        if (IsForbidden(*c)) {
            name += kReplacement;
        } else {
            name += text.substr(start, reader.Position() - start);
        }
        start = reader.Position();
    }
    // A dot never stands inside a multi-byte character, so the bytes can be looked at alone.
    for (std::size_t i = 0; i < name.size();) {
        auto end = name.find_first_not_of('.', i);
        if (end == std::string::npos) {
            end = name.size();
        }
        if (end - i >= 2) {
            name.replace(i, end - i, end - i, kReplacement);
        }
        i = end == i ? i + 1 : end;
    }
    for (auto i = name.size(); i > 0 && (name[i - 1] == '.' || name[i - 1] == ' '); --i) {
        name[i - 1] = kReplacement;
    }
    if (IsDeviceName(name)) {
        name.insert(name.begin(), kReplacement);
    }
    return name.empty() ? std::string(1, kReplacement) : name;
}

} // namespace quelvarin
