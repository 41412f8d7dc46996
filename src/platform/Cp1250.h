#pragma once

#include <string>
#include <string_view>

namespace quelvarin {

// Every file of the installation tree and every protocol is Windows-1250 text; inside the
// program text is UTF-8. All 256 bytes decode to distinct code points (the five bytes the
// code page leaves undefined become the C1 controls of the same number), so decoding and
// encoding again gives back the very same bytes.
std::string DecodeCp1250(std::string_view bytes);

// Characters Windows-1250 cannot hold, and malformed UTF-8, are written as '?'.
std::string EncodeCp1250(std::string_view utf8);

} // namespace quelvarin
