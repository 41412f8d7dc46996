#pragma once

#include "model/Protocol.h"
#include "platform/LineFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin::interpretation {

// The whole narrative interpretation of a protocol, line by line: the five sections in their
// order and the closing "Vége". Nothing when the protocol has no effective answer.
std::optional<Lines> BuildInterpretation(const Protocol& protocol);

// The file's bytes: Windows-1250, every line ended by CR LF.
std::string InterpretationBytes(const Lines& lines);

// Every line of the sections' text tables, for the check that none is left unwritten.
std::vector<std::string_view> AllTextTableLines();

} // namespace quelvarin::interpretation
