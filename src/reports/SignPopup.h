#pragma once

#include "model/Protocol.h"
#include "model/SignHelpTexts.h"

#include <string>

// The mouse-over pop-ups of the pages: every present sign opens its scoring help (light green)
// or its interpretation help (yellow).
namespace quelvarin::reports {

enum class PopupKind { Scoring, Interpretation };

// The opening anchor of a sign's pop-up, or "" for a sign that is absent (a sub-variant
// counts as its parent, but its own help text is shown).
std::string SignPopupLink(const Protocol& protocol, const SignHelpTexts& help, SignCode code, PopupKind kind);
// "</A></B>" after a present sign's name or count, "" otherwise.
std::string SignPopupClose(const Protocol& protocol, SignCode code);

// The tally cell text of a sign: its name and count, each under its pop-up when present.
std::string TallyText(const Protocol& protocol, const SignHelpTexts& help, SignCode code);
std::string TallyText(const Protocol& protocol, const SignHelpTexts& help, SignCode code,
                      std::string_view name);

} // namespace quelvarin::reports
