#pragma once

#include "model/Protocol.h"
#include "model/SignHelpTexts.h"
#include "platform/InstallPaths.h"
#include "platform/LineFile.h"

#include <optional>
#include <string>

namespace quelvarin::reports {

// The mechanical glossary: "FT: " and the formula, then every sign present (codes 90..496)
// with its count, its interpretation help and a separator. Counts the answers first.
Lines BuildGlossary(Protocol& protocol, const SignHelpTexts& help);

inline constexpr std::string_view kGlossarySeparator = "----------------------------";

// One help page of a sign: its help lines, each followed by "<BR>", and the source line.
Lines HelpPage(const std::vector<std::string>& helpLines);
inline constexpr SignCode kFirstHelpPage = 90, kLastHelpPage = 496;

// Writes html/ertelmez/<code>.html and html/jelol/<code>.html for codes 90..496. Nothing (and
// no error) when all were written; otherwise the path that could not be written.
std::optional<std::string> RegenerateHelpPages(const InstallPaths& paths, const SignHelpTexts& help);

inline constexpr std::string_view kHelpPagesDone = "A HTML rendszer frissítése befejeződött.";

} // namespace quelvarin::reports
