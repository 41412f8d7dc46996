#pragma once

#include "platform/LineFile.h"

// The parts shared by the examination sheet and the protocol page.
namespace quelvarin::reports {

// The style lines of the head, from "<style TYPE="text/css">" to "//--></style>".
Lines PopupStyleLines();

// Where a pop-up opens: below the mouse (the sheet) or up and to the left of it (the page).
enum class PopupPlacement { BelowMouse, AboveLeftOfMouse };

// The pop-up script from "var nav = (document.layers);" to "</SCRIPT>". Besides the branches
// for the browsers of its day it has the standard one, so that the pop-ups show in the
// browsers of today.
Lines PopupScriptLines(PopupPlacement placement);

// The declaration of the pages' character set: they are Windows-1250 text.
inline constexpr const char* kCharsetLine =
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">";

} // namespace quelvarin::reports
