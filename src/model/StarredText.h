#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// A multi-line text kept on one line: every line followed by "*". Answer texts in the protocol
// file, clinical questions and sign help texts are kept so.
std::string JoinStarred(const std::vector<std::string>& lines);

// Split at every "*"; the text after the last "*" is dropped.
std::vector<std::string> SplitStarred(std::string_view text);

} // namespace quelvarin
