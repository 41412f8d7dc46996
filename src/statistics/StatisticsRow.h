#pragma once

#include "model/Protocol.h"

#include <string>

// The rows of the statistics files (one per protocol, 357 tab-separated fields) and of the
// summary export, and their header lines. Lines are UTF-8 here, ended by CR LF; the files are
// written in Windows-1250.
namespace quelvarin::statistics {

inline constexpr int kStatisticsColumnCount = 357;

std::string StatisticsHeader();
// The row of a protocol whose stored figures are current (after a load, or StoreLoadedFigures).
std::string StatisticsRow(const Protocol& protocol);

std::string SummaryHeader();
std::string SummaryRow(const Protocol& protocol);

// A text field as it may stand in a row: a TAB, CR or LF would break the columns, so each
// becomes one blank.
std::string Field(std::string_view text);

// "2.5" and "10.0" from " 2.5:10.0": the sides of a pair as shown, every blank removed; a text
// without ":" gives an empty left side.
std::pair<std::string, std::string> SplitPair(std::string_view shown);

} // namespace quelvarin::statistics
