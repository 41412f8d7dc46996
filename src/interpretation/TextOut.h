#pragma once

#include "interpretation/Context.h"
#include "platform/LineFile.h"

#include <string>
#include <string_view>

namespace quelvarin::interpretation {

// The line writer: every line is kept whole, exactly as given, blanks included. The run writes
// the lines out as one file when it completes.
class TextOut {
public:
    void Line(std::string_view text) { m_lines.emplace_back(text); }
    void Empty() { m_lines.emplace_back(); }

    const Lines& Result() const { return m_lines; }
    Lines Take() { return std::move(m_lines); }

private:
    Lines m_lines;
};

enum class RuleKind { Upper, Lower };
// A line of n rule characters: "ß" (byte DF) above, "Ü" (byte DC) below.
std::string RuleLine(RuleKind kind, int n);

// The succession lines of two signs: walking the answers and their slots in order, the first
// line gets a's name and "," at each a, blanks of b's name's length and "," at each b; the
// second line the other way round. Both lines are written, also when empty.
void WriteSuccessionLines(const Context& context, TextOut& out, SignCode a, SignCode b);

// A real as the interpretation writes its percentages: one decimal in 5 characters.
std::string Percent51(double value);

} // namespace quelvarin::interpretation
