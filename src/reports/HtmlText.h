#pragma once

#include <string>
#include <string_view>

// The text filters of the HTML pages.
namespace quelvarin::reports {

// Each accented Hungarian letter as its entity (Ő, ő, Ű, ű by their double-acute entities:
// the tilde and circumflex letters a browser would show instead are other letters);
// afterwards "nem prefer" becomes
// "nem prefer&aacute;lt" and "prefer&aacute;lt" becomes "<B>prefer&aacute;lt</B>".
std::string EncodeHtmlEntities(std::string_view text);

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
