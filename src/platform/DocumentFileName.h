#pragma once

#include <string>
#include <string_view>

namespace quelvarin {

// An examination code made into a file name that stays inside its folder on every system: the
// code's leading and trailing blanks are dropped, and each control character, path separator,
// character Windows forbids (< > : " / \ | ? *), dot of a run of dots ("..") and trailing dot
// or blank becomes "_"; a Windows device name (CON, NUL, COM1 ...) gets a "_" in front, and an
// empty code gives "_". Hungarian letters, inner blanks and single dots stay as they are.
std::string DocumentFileName(std::string_view code);

} // namespace quelvarin
