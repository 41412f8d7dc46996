#pragma once

#include <string>
#include <string_view>

// The text filters of the HTML pages (the entity filter is in platform/HtmlEntities.h).
namespace quelvarin::reports {

// Every double quote as "&Prime;".
std::string ReplaceQuotes(std::string_view text);

// A text shown as typed inside a page: "&", "<" and ">" as entities.
std::string EscapeHtmlText(std::string_view text);

// A help line for a pop-up: it stands in a JavaScript string between apostrophes inside a
// double-quoted attribute, and is shown through innerHTML. So "&", "<", ">" are escaped twice
// (once for the attribute, once for innerHTML), an apostrophe and a backslash are escaped for
// the script, and control characters become blanks. Double quotes become "&Prime;" in the
// message lines and "&quot;" in the title, which the pop-up shows as written.
enum class PopupPart { Title, Message };
std::string EscapeForPopup(std::string_view text, PopupPart part);

} // namespace quelvarin::reports
