#pragma once

#include <string>
#include <string_view>

namespace quelvarin {

// The entity filter of the HTML pages (the examination sheet, the joint examination's report):
// each accented Hungarian letter as its entity (Ő, ő, Ű, ű by their double-acute entities: the
// tilde and circumflex letters a browser would show instead are other letters); afterwards
// "nem prefer" becomes "nem prefer&aacute;lt" and "prefer&aacute;lt" becomes
// "<B>prefer&aacute;lt</B>".
std::string EncodeHtmlEntities(std::string_view text);

} // namespace quelvarin
