#pragma once

#include "interpretation/Context.h"
#include "interpretation/TextOut.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The interpretation's texts are tables of blocks; a block is its condition, its heading and
// its lines, each line written always or under a condition of its own.
namespace quelvarin::interpretation {

using Test = bool (*)(const Context&);
using MakeLine = std::string (*)(const Context&);

struct BodyLine {
    std::string_view text = {};
    Test when = nullptr;     // written only when this holds (always when none)
    MakeLine make = nullptr; // a line made from the figures, instead of the text
};

struct Block {
    // The sign the block is about: the block is written when it is present (unless `when`
    // says otherwise) and its heading is followed by the sign's count.
    SignCode sign = 0;
    std::string_view heading = {};
    Test when = nullptr;
    // The heading carries the count suffix of `sign`, or of `counts` when given.
    bool counted = true;
    std::vector<SignCode> counts = {};
    // Lines before the heading, and after it (following one empty line).
    std::vector<BodyLine> before = {};
    std::vector<BodyLine> body = {};
    bool closingEmpty = true;
};

// Writes the lines whose conditions hold.
void WriteLines(const Context& context, TextOut& out, const std::vector<BodyLine>& lines);

// Writes the block when it applies: before-lines, heading, an empty line, the body, and a
// closing empty line. A block without a heading writes no heading line and no empty line
// after it.
void WriteBlock(const Context& context, TextOut& out, const Block& block);
void WriteBlocks(const Context& context, TextOut& out, std::span<const Block> blocks);

// The body texts of a table of blocks, appended to `lines` (for the check of the tables).
void CollectTexts(std::span<const Block> blocks, std::vector<std::string_view>& lines);

// The placeholder of a line still to be written in a text table (tests reject it).
inline constexpr std::string_view kUnwrittenMark = "@@";

} // namespace quelvarin::interpretation
