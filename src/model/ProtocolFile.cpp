#include "model/ProtocolFile.h"

#include "model/StarredText.h"
#include "model/SymbolCatalogue.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"
#include "platform/Utf8.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quelvarin {
namespace pf = protocol_file;

namespace {

constexpr std::string_view kPersonalHeading = "# személyi adatok";
constexpr std::string_view kCardTimesHeading = "# reakció- és táblaidők";
constexpr std::string_view kCountersHeading = "# Ro. jelölések darabszámai";
constexpr std::string_view kNeigerHeading = "# Neiger vulgok";
constexpr std::string_view kAnswersHeading = "# a 90 felelet...";
constexpr std::string_view kTextsHeading = "# a válaszok szövegei";

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string shown;
    Utf8Reader reader(text);
    std::size_t count = 0;
    while (auto cp = reader.Next()) {
        if (++count > kShown) {
            shown += "…";
            break;
        }
        AppendUtf8(shown, *cp);
    }
    return "„" + shown + "”";
}

// Reads the values of the layout line by line, in order, and remembers the first failure. It
// walks the file's raw bytes once: numbers are ASCII, and only the texts are decoded.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    bool Failed() const { return m_error.has_value(); }
    ProtocolFileError Error() const { return *m_error; }

    // A lone CR inside a line reads as a blank, as the writer would write it: other readers
    // of these files take it for a line break.
    std::string Text(int line) {
        auto view = View(line);
        return view ? WithoutLineBreaks(DecodeCp1250(*view)) : std::string();
    }

    // The raw bytes of a line, for a text that is not kept.
    std::optional<std::string_view> View(int line) {
        if (Failed()) {
            return std::nullopt;
        }
        while (m_index < line && Advance()) {
        }
        if (m_index < line || m_pos >= m_bytes.size()) {
            // Reported at the first line the file lacks, whichever value was asked for.
            Fail(ProtocolFileProblem::MissingLine, m_index,
                 "a sor hiányzik: az állomány csonka, " + std::to_string(m_index) +
                     " sorból áll, a jegyzőkönyv " + std::to_string(pf::kLineCount) + " sorból.");
            return std::nullopt;
        }
        auto start = m_pos;
        Advance();
        auto line_ = m_bytes.substr(start, m_lineEnd - start);
        return line_;
    }

    // A decimal integer in [minimum, maximum], an optional '-' allowed when minimum < 0.
    // `what` names the value for the examiner; it is only asked for when the value is bad.
    template <typename Describe>
    std::int64_t Number(int line, std::int64_t minimum, std::int64_t maximum, Describe what) {
        // Nearly every line of a protocol is a small number ending in CR LF, read in order: it is
        // read in one step. Anything else (a sign, a bad value, another line end) takes the
        // general path below.
        if (m_index == line && !Failed()) {
            const char* start = m_bytes.data() + m_pos;
            const char* end = m_bytes.data() + m_bytes.size();
            const char* p = start;
            std::int64_t value = 0;
            while (p < end && p - start < kFastDigits && static_cast<unsigned char>(*p - '0') < 10) {
                value = value * 10 + (*p - '0');
                ++p;
            }
            if (p > start && end - p >= 2 && p[0] == '\r' && p[1] == '\n' && value >= minimum &&
                value <= maximum) {
                m_pos = static_cast<std::size_t>(p + 2 - m_bytes.data());
                ++m_index;
                return value;
            }
        }
        return GeneralNumber(line, minimum, maximum, what);
    }

private:
    static constexpr std::ptrdiff_t kFastDigits = 18; // fewer cannot overflow 64 bits

    // Kept out of line so that the fast path above stays small enough to inline.
    template <typename Describe>
    [[gnu::noinline]] std::int64_t GeneralNumber(int line, std::int64_t minimum, std::int64_t maximum,
                                                 Describe what) {
        auto view = View(line);
        if (!view) {
            return 0;
        }
        std::string_view text = *view;
        std::string_view digits = text;
        bool negative = minimum < 0 && !digits.empty() && digits.front() == '-';
        if (negative) {
            digits.remove_prefix(1);
        }
        // One pass checks the digits and accumulates; past the limit only the check goes on.
        const std::int64_t limit = negative ? -minimum : maximum;
        std::int64_t value = 0;
        bool tooLarge = false;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                value = -1;
                break;
            }
            if (!tooLarge) {
                value = value * 10 + (c - '0');
                tooLarge = value > limit;
            }
        }
        if (digits.empty() || value < 0) {
            Fail(ProtocolFileProblem::NotANumber, line,
                 what() + ": itt egész számnak kell állnia, de " + Quoted(DecodeCp1250(text)) + " áll.");
            return 0;
        }
        if (tooLarge) {
            Fail(ProtocolFileProblem::OutOfRange, line,
                 what() + ": a(z) " + Quoted(text) + " érték kívül esik a megengedett " +
                     std::to_string(minimum) + "–" + std::to_string(maximum) + " tartományon.");
            return 0;
        }
        value = negative ? -value : value;
        return value;
    }

    // Steps over the line at m_pos; m_lineEnd marks its end without the line break.
    bool Advance() {
        if (m_pos >= m_bytes.size()) {
            return false;
        }
        // The numbers mostly take the fast path, so the lines stepped over here are texts.
        const void* found = std::memchr(m_bytes.data() + m_pos, '\n', m_bytes.size() - m_pos);
        auto newline = found ? static_cast<std::size_t>(static_cast<const char*>(found) - m_bytes.data())
                             : std::string_view::npos;
        auto end = found ? newline : m_bytes.size();
        m_lineEnd = end > m_pos && m_bytes[end - 1] == '\r' ? end - 1 : end;
        m_pos = newline == std::string_view::npos ? m_bytes.size() : newline + 1;
        ++m_index;
        return true;
    }

    void Fail(ProtocolFileProblem problem, int line, std::string reason) {
        m_error = ProtocolFileError{problem, line + 1, std::move(reason)};
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;     // start of line m_index
    std::size_t m_lineEnd = 0; // end of the line last stepped over
    int m_index = 0;
    std::optional<ProtocolFileError> m_error;
};

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

template <typename Describe>
std::int32_t Int32(Reader& reader, int line, Describe what) {
    return static_cast<std::int32_t>(reader.Number(line, kInt32Min, kInt32Max, what));
}

std::string CardLabel(int card) {
    return std::string(CardName(card)) + " tábla";
}

} // namespace

ProtocolParse ParseProtocol(std::string_view bytes, ProtocolParseMode mode) {
    ProtocolParse result;
    Reader reader(bytes);
    auto magic = reader.View(0);
    if (!magic || *magic != pf::kMagic) { // the magic is ASCII in either encoding
        result.error = {ProtocolFileProblem::NotQuelvarin, 1, "Ez nem Quelvarin állomány!!!"};
        return result;
    }

    // Filled in place: a protocol is some 14 KB, and a batch parses thousands.
    ParsedProtocol& parsed = result.parsed.emplace();
    Protocol& protocol = parsed.protocol;

    auto& personal = protocol.personal;
    int line = pf::kPersonalDataLine;
    personal.name = reader.Text(line++);
    personal.code = reader.Text(line++);
    personal.number = reader.Text(line++);
    personal.occupation = reader.Text(line++);
    personal.sex = reader.Text(line++);
    personal.age = Int32(reader, line++, [] { return std::string("életkor"); });
    personal.clinicalQuestions = reader.Text(line++);
    personal.ward = reader.Text(line++);
    personal.examiner = reader.Text(line++);
    personal.diagnosis = reader.Text(line++);
    personal.education = reader.Text(line++);
    personal.date = reader.Text(line++);

    line = pf::kCardTimesLine;
    for (int card = 1; card <= kCardCount; ++card) {
        auto& times = protocol.cardTime(card);
        auto label = [card](const char* value) {
            return [card, value] { return CardLabel(card) + ", " + value; };
        };
        times.reactionMinutes = Int32(reader, line++, label("reakcióidő (perc)"));
        times.reactionSeconds = Int32(reader, line++, label("reakcióidő (másodperc)"));
        times.cardMinutes = Int32(reader, line++, label("táblaidő (perc)"));
        times.cardSeconds = Int32(reader, line++, label("táblaidő (másodperc)"));
    }

    line = pf::kCountersLine;
    for (int code = pf::kFirstStoredCounter; code <= codes::kLastCounter; ++code) {
        auto sign = static_cast<SignCode>(code);
        auto what = [code, sign] {
            return "a(z) " + std::to_string(code) + ". jel („" + std::string(NameOfCode(sign)) +
                   "”) darabszáma";
        };
        protocol.counts.Set(sign, static_cast<std::uint8_t>(reader.Number(line++, 0, 255, what)));
    }

    line = pf::kNeigerLine;
    for (auto& flag : protocol.neigerVulgars) {
        flag = reader.Text(line++) == "1";
    }

    for (int n = 1; n <= kAnswerCount; ++n) {
        auto& answer = protocol.answer(n);
        line = pf::kAnswersLine + pf::kAnswerBlockLines * (n - 1);
        auto label = [n] { return "a(z) " + std::to_string(n) + ". felelet"; };
        answer.szei = reader.Text(line++);
        answer.transference = reader.Text(line++);
        answer.card = static_cast<std::uint8_t>(
            reader.Number(line++, 0, kCardCount, [&] { return label() + " táblája"; }));
        for (int slot = 0; slot < kSlotCount; ++slot) {
            answer.slots[static_cast<std::size_t>(slot)] = static_cast<SignCode>(reader.Number(
                line++, 0, 65535, [&] { return label() + " " + std::to_string(slot + 1) + ". jele"; }));
        }
    }

    for (int n = 1; n <= kAnswerCount; ++n) {
        if (mode == ProtocolParseMode::Whole) {
            parsed.texts[static_cast<std::size_t>(n - 1)] = SplitStarred(reader.Text(pf::kTextsLine + n - 1));
        } else {
            reader.View(pf::kTextsLine + n - 1); // the file must still be whole
        }
    }

    if (reader.Failed()) {
        result.parsed.reset();
        result.error = reader.Error();
    }
    return result;
}

namespace {

// Builds the file's bytes line by line: numbers are ASCII, texts are encoded as they come.
class Writer {
public:
    Writer() { m_bytes.reserve(32 * 1024); }

    void Text(std::string_view utf8) {
        m_bytes += EncodeCp1250(WithoutLineBreaks(std::string(utf8)));
        m_bytes += "\r\n";
    }
    void Heading(std::string_view utf8) { Text(utf8); }
    void Number(std::int64_t value) {
        char buffer[24];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        (void)error;
        m_bytes.append(buffer, end);
        m_bytes += "\r\n";
    }
    std::string Take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

} // namespace

std::string SerializeProtocol(const Protocol& protocol, const AnswerTexts& texts) {
    Writer file;
    file.Heading(pf::kMagic);
    file.Heading(kPersonalHeading);
    const auto& personal = protocol.personal;
    for (const std::string* field :
         {&personal.name, &personal.code, &personal.number, &personal.occupation, &personal.sex}) {
        file.Text(*field);
    }
    file.Number(personal.age);
    for (const std::string* field : {&personal.clinicalQuestions, &personal.ward, &personal.examiner,
                                     &personal.diagnosis, &personal.education, &personal.date}) {
        file.Text(*field);
    }

    file.Heading(kCardTimesHeading);
    for (const auto& times : protocol.cardTimes) {
        for (auto value :
             {times.reactionMinutes, times.reactionSeconds, times.cardMinutes, times.cardSeconds}) {
            file.Number(value);
        }
    }

    file.Heading(kCountersHeading);
    for (int code = pf::kFirstStoredCounter; code <= codes::kLastCounter; ++code) {
        file.Number(protocol.counts[static_cast<SignCode>(code)]);
    }

    file.Heading(kNeigerHeading);
    for (bool flag : protocol.neigerVulgars) {
        file.Number(flag ? 1 : 0);
    }

    file.Heading(kAnswersHeading);
    for (const auto& answer : protocol.answers) {
        file.Text(answer.szei);
        file.Text(answer.transference);
        file.Number(answer.card);
        for (auto slot : answer.slots) {
            file.Number(slot);
        }
    }

    file.Heading(kTextsHeading);
    for (const auto& text : texts) {
        file.Text(JoinStarred(text));
    }
    return file.Take();
}

} // namespace quelvarin
