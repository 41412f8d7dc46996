#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

using Lines = std::vector<std::string>;

// Lines end in LF or CR LF; a final line end does not open another line, so "" has no
// lines and "a\r\n" and "a" both have one.
Lines SplitLines(std::string_view text);
// The same lines as views into the text, for readers that decode only what they keep.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// How the lines of a file end: CR LF (the system's own files), or LF alone.
enum class LineEnd { CrLf, Lf };
// The line end a text is written back with so that it reads the same lines again: LF for a
// text of line feeds without a single carriage return; CR LF otherwise (a mixed text, one with
// a carriage return inside a line, one without a line end).
LineEnd LineEndOf(std::string_view text);

// Every line followed by CR LF, or by the line end given.
std::string JoinLines(const Lines& lines, LineEnd end = LineEnd::CrLf);

// The text with every CR and LF replaced by a blank: a value written as one line of a line
// file must not carry a line break, which would shift every line after it.
std::string WithoutLineBreaks(std::string text);

// A Windows-1250 line file read whole and decoded to UTF-8; nothing when it cannot be read.
std::optional<Lines> ReadLineFile(const std::filesystem::path& path);

// Encodes to Windows-1250 with CR LF (or the line end given) and replaces the file atomically.
bool WriteLineFile(const std::filesystem::path& path, const Lines& lines, LineEnd end = LineEnd::CrLf);

} // namespace quelvarin
