#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// Reads code points one at a time; a malformed sequence yields U+FFFD and skips one byte.
class Utf8Reader {
public:
    explicit Utf8Reader(std::string_view text) : m_text(text) {}
    std::optional<char32_t> Next();
    std::size_t Position() const { return m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

void AppendUtf8(std::string& out, char32_t codePoint);

// Widths and "at most N characters" count characters, not bytes.
std::size_t CharCount(std::string_view utf8);

// The first character of a text as its UTF-8 bytes ("" for an empty text).
std::string_view FirstChar(std::string_view utf8);

// Leading and trailing blanks (spaces only, as box captions carry them) removed.
std::string_view TrimBlanks(std::string_view text);

} // namespace quelvarin
