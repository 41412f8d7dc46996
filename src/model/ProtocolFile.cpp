#include "model/ProtocolFile.h"

#include "model/StarredText.h"
#include "model/SymbolCatalogue.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"
#include "platform/Utf8.h"

#include <charconv>
#include <cstdint>
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

// Reads the values of the layout line by line and remembers the first failure.
class Reader {
public:
    explicit Reader(const Lines& lines) : m_lines(lines) {}

    bool Failed() const { return m_error.has_value(); }
    ProtocolFileError Error() const { return *m_error; }

    std::string Text(int line) {
        if (!Present(line)) {
            return {};
        }
        return m_lines[static_cast<std::size_t>(line)];
    }

    // A decimal integer in [minimum, maximum], an optional '-' allowed when minimum < 0.
    std::int64_t Number(int line, std::int64_t minimum, std::int64_t maximum, std::string_view what) {
        if (!Present(line)) {
            return 0;
        }
        std::string_view text = m_lines[static_cast<std::size_t>(line)];
        std::string_view digits = text;
        if (minimum < 0 && !digits.empty() && digits.front() == '-') {
            digits.remove_prefix(1);
        }
        bool allDigits = !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
        std::int64_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (!allDigits) {
            Fail(ProtocolFileProblem::NotANumber, line,
                 std::string(what) + ": itt egész számnak kell állnia, de " + Quoted(text) + " áll.");
            return 0;
        }
        if (error != std::errc{} || end != text.data() + text.size() || value < minimum || value > maximum) {
            Fail(ProtocolFileProblem::OutOfRange, line,
                 std::string(what) + ": a(z) " + Quoted(text) + " érték kívül esik a megengedett " +
                     std::to_string(minimum) + "–" + std::to_string(maximum) + " tartományon.");
            return 0;
        }
        return value;
    }

private:
    bool Present(int line) {
        if (Failed()) {
            return false;
        }
        if (static_cast<std::size_t>(line) >= m_lines.size()) {
            // Reported at the first line the file lacks, whichever value was asked for.
            Fail(ProtocolFileProblem::MissingLine, static_cast<int>(m_lines.size()),
                 "a sor hiányzik: az állomány csonka, " + std::to_string(m_lines.size()) +
                     " sorból áll, a jegyzőkönyv " + std::to_string(pf::kLineCount) + " sorból.");
            return false;
        }
        return true;
    }

    void Fail(ProtocolFileProblem problem, int line, std::string reason) {
        m_error = ProtocolFileError{problem, line + 1, std::move(reason)};
    }

    const Lines& m_lines;
    std::optional<ProtocolFileError> m_error;
};

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t Int32(Reader& reader, int line, std::string_view what) {
    return static_cast<std::int32_t>(reader.Number(line, kInt32Min, kInt32Max, what));
}

std::string CardLabel(int card) { return std::string(CardName(card)) + " tábla"; }

} // namespace

ProtocolParse ParseProtocol(std::string_view bytes) {
    auto lines = SplitLines(DecodeCp1250(bytes));
    ProtocolParse result;
    if (lines.empty() || lines[0] != pf::kMagic) {
        result.error = {ProtocolFileProblem::NotQuelvarin, 1, "Ez nem Quelvarin állomány!!!"};
        return result;
    }

    ParsedProtocol parsed;
    Protocol& protocol = parsed.protocol;
    Reader reader(lines);

    auto& personal = protocol.personal;
    int line = pf::kPersonalDataLine;
    personal.name = reader.Text(line++);
    personal.code = reader.Text(line++);
    personal.number = reader.Text(line++);
    personal.occupation = reader.Text(line++);
    personal.sex = reader.Text(line++);
    personal.age = Int32(reader, line++, "életkor");
    personal.clinicalQuestions = reader.Text(line++);
    personal.ward = reader.Text(line++);
    personal.examiner = reader.Text(line++);
    personal.diagnosis = reader.Text(line++);
    personal.education = reader.Text(line++);
    personal.date = reader.Text(line++);

    line = pf::kCardTimesLine;
    for (int card = 1; card <= kCardCount; ++card) {
        auto& times = protocol.cardTime(card);
        auto label = CardLabel(card);
        times.reactionMinutes = Int32(reader, line++, label + ", reakcióidő (perc)");
        times.reactionSeconds = Int32(reader, line++, label + ", reakcióidő (másodperc)");
        times.cardMinutes = Int32(reader, line++, label + ", táblaidő (perc)");
        times.cardSeconds = Int32(reader, line++, label + ", táblaidő (másodperc)");
    }

    line = pf::kCountersLine;
    for (int code = pf::kFirstStoredCounter; code <= codes::kLastCounter; ++code) {
        auto sign = static_cast<SignCode>(code);
        auto what = "a(z) " + std::to_string(code) + ". jel („" + std::string(NameOfCode(sign)) + "”) darabszáma";
        protocol.counts.Set(sign, static_cast<std::uint8_t>(reader.Number(line++, 0, 255, what)));
    }

    line = pf::kNeigerLine;
    for (auto& flag : protocol.neigerVulgars) {
        flag = reader.Text(line++) == "1";
    }

    for (int n = 1; n <= kAnswerCount; ++n) {
        auto& answer = protocol.answer(n);
        line = pf::kAnswersLine + pf::kAnswerBlockLines * (n - 1);
        auto label = "a(z) " + std::to_string(n) + ". felelet";
        answer.szei = reader.Text(line++);
        answer.transference = reader.Text(line++);
        answer.card = static_cast<std::uint8_t>(reader.Number(line++, 0, kCardCount, label + " táblája"));
        for (int slot = 0; slot < kSlotCount; ++slot) {
            answer.slots[static_cast<std::size_t>(slot)] = static_cast<SignCode>(reader.Number(
                line++, 0, 65535, label + " " + std::to_string(slot + 1) + ". jele"));
        }
    }

    for (int n = 1; n <= kAnswerCount; ++n) {
        parsed.texts[static_cast<std::size_t>(n - 1)] = SplitStarred(reader.Text(pf::kTextsLine + n - 1));
    }

    if (reader.Failed()) {
        result.error = reader.Error();
        return result;
    }
    result.parsed = std::move(parsed);
    return result;
}

std::string SerializeProtocol(const Protocol& protocol, const AnswerTexts& texts) {
    Lines lines;
    lines.reserve(pf::kLineCount);
    lines.emplace_back(pf::kMagic);
    lines.emplace_back(kPersonalHeading);
    const auto& personal = protocol.personal;
    for (const std::string* field : {&personal.name, &personal.code, &personal.number, &personal.occupation,
                                     &personal.sex}) {
        lines.push_back(WithoutLineBreaks(*field));
    }
    lines.push_back(std::to_string(personal.age));
    for (const std::string* field : {&personal.clinicalQuestions, &personal.ward, &personal.examiner,
                                     &personal.diagnosis, &personal.education, &personal.date}) {
        lines.push_back(WithoutLineBreaks(*field));
    }

    lines.emplace_back(kCardTimesHeading);
    for (const auto& times : protocol.cardTimes) {
        for (auto value : {times.reactionMinutes, times.reactionSeconds, times.cardMinutes, times.cardSeconds}) {
            lines.push_back(std::to_string(value));
        }
    }

    lines.emplace_back(kCountersHeading);
    for (int code = pf::kFirstStoredCounter; code <= codes::kLastCounter; ++code) {
        lines.push_back(std::to_string(protocol.counts[static_cast<SignCode>(code)]));
    }

    lines.emplace_back(kNeigerHeading);
    for (bool flag : protocol.neigerVulgars) {
        lines.emplace_back(flag ? "1" : "0");
    }

    lines.emplace_back(kAnswersHeading);
    for (const auto& answer : protocol.answers) {
        lines.push_back(WithoutLineBreaks(answer.szei));
        lines.push_back(WithoutLineBreaks(answer.transference));
        lines.push_back(std::to_string(answer.card));
        for (auto slot : answer.slots) {
            lines.push_back(std::to_string(slot));
        }
    }

    lines.emplace_back(kTextsHeading);
    for (const auto& text : texts) {
        lines.push_back(WithoutLineBreaks(JoinStarred(text)));
    }
    return EncodeCp1250(JoinLines(lines));
}

} // namespace quelvarin
