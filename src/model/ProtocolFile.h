#pragma once

#include "model/AnswerTextStore.h"
#include "model/Protocol.h"

#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// The protocol file: 3524 lines of Windows-1250 text with CR LF, one value per line, in a
// fixed layout read by line number (other programs read these files too).
namespace protocol_file {
inline constexpr int kLineCount = 3524;
inline constexpr std::string_view kMagic = "Quelvarin_Win32";
inline constexpr int kPersonalDataLine = 2;
inline constexpr int kCardTimesLine = 15;
inline constexpr int kCountersLine = 56; // code 109 .. 497
inline constexpr SignCode kFirstStoredCounter = 109;
inline constexpr int kNeigerLine = 446;
inline constexpr int kAnswersLine = 463;
inline constexpr int kAnswerBlockLines = 33;
inline constexpr int kTextsLine = 3434;
} // namespace protocol_file

enum class ProtocolFileProblem {
    NotQuelvarin, // the first line is not the magic
    MissingLine,  // the file ends before the layout does
    NotANumber,
    OutOfRange,
};

struct ProtocolFileError {
    ProtocolFileProblem problem = ProtocolFileProblem::NotQuelvarin;
    int line = 0;       // counted from 1
    std::string reason; // Hungarian, for the examiner
};

struct ParsedProtocol {
    Protocol protocol;
    AnswerTexts texts;
};

struct ProtocolParse {
    std::optional<ParsedProtocol> parsed;
    ProtocolFileError error; // when nothing was parsed
    explicit operator bool() const { return parsed.has_value(); }
};

// Whole: with the answer texts. FiguresOnly: the texts are checked to be there but not kept,
// for batches that only build the figures of many files.
enum class ProtocolParseMode { Whole, FiguresOnly };

// Reads the bytes of a protocol file into a fresh Protocol with its answer texts, without any
// side effect. A file that is not whole and well-formed is rejected with its first bad line.
ProtocolParse ParseProtocol(std::string_view bytes, ProtocolParseMode mode = ProtocolParseMode::Whole);

// The bytes of the protocol file of `protocol` with the given answer texts.
std::string SerializeProtocol(const Protocol& protocol, const AnswerTexts& texts);

} // namespace quelvarin
