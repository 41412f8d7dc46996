#include "support/ProtocolBuilder.h"

#include "indices/neiger.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"
#include "scoring/AnswerCounts.h"

#include <gtest/gtest.h>

namespace quelvarin::test {

TestStation::TestStation() : TestStation(std::filesystem::path()) {}

TestStation::TestStation(const std::filesystem::path& givenRoot) {
    root = givenRoot.empty() ? dir.Path() / "quelva" : givenRoot;
    std::filesystem::create_directories(root);
    texts = std::make_unique<FileAnswerTextStore>(InstallPaths(root));
    station = std::make_unique<Workstation>(
        Session::Services{InstallPaths(root), notifier, *texts, sound, clock, chooser},
        ProtocolFilesDesk::Recovery::Kept);
}

void TestStation::AnswerOnCard(int answer, int card) {
    station->scoring.SelectAnswer(answer);
    EXPECT_TRUE(station->scoring.ChooseCard(card))
        << "card " << card << " for answer " << answer << " refused";
}

ParsedProtocol ScoredProtocol() {
    ParsedProtocol parsed;
    auto& protocol = parsed.protocol;
    ResetToNewProtocol(protocol, "2004.05.12.");
    auto& personal = protocol.personal;
    personal.name = "Kovács Ödön";
    personal.code = "ko_20040512";
    personal.number = "17/2004";
    personal.occupation = "lakatos";
    personal.sex = "férfi";
    personal.age = 41;
    personal.clinicalQuestions = "Szorongás?*Depresszió?*";
    personal.ward = "Pszichiátria";
    personal.examiner = "Dr. Szűts Éva";
    personal.diagnosis = "F41.1";
    personal.education = "középiskola III.";
    protocol.cardTime(1) = {0, 12, 1, 40};
    protocol.cardTime(10) = {1, 5, 3, 59};
    protocol.neigerVulgars[0] = true;
    protocol.neigerVulgars[15] = true;

    struct Scored {
        int answer;
        int card;
        std::vector<SignCode> signs;
    };
    const Scored scored[] = {
        {1, 1, {400, 301, 346, 293}},
        {2, 1, {401, 312, 345, 1492}},
        {3, 3, {400, 302, 345, 293, 4103}},
        {5, 8, {401, 307, 346, 294, 260}},
        {90, 10, {402, 323, 348, 297, 0, 0, 118}},
    };
    for (const auto& s : scored) {
        auto& answer = protocol.answer(s.answer);
        answer.card = static_cast<std::uint8_t>(s.card);
        for (std::size_t i = 0; i < s.signs.size(); ++i) {
            answer.slots[i] = s.signs[i];
            auto counted = s.signs[i];
            protocol.counts.Set(counted, static_cast<std::uint8_t>(protocol.counts[counted] + 1));
        }
    }
    protocol.answer(3).szei = "A";
    protocol.answer(3).transference = "Semleges";
    protocol.counts.Set(482, 1);
    protocol.counts.Set(483, 2);
    // The figures the workstation keeps in counters.
    CountAnswers(protocol);
    neiger::StoreVulgarPercent(protocol);
    neiger::StoreOriginalityPercent(protocol);

    parsed.texts[0] = {"Egy denevér, kiterjesztett szárnyakkal."};
    parsed.texts[1] = {"Két ember,", "", "akik táncolnak."};
    parsed.texts[89] = {"Őszi levél – „színes”"};
    return parsed;
}

std::string FirstDifference(const std::string& actual, const std::string& expected) {
    if (actual == expected) {
        return "";
    }
    auto a = SplitLines(actual);
    auto e = SplitLines(expected);
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        auto left = i < a.size() ? "\"" + a[i] + "\"" : std::string("(none)");
        auto right = i < e.size() ? "\"" + e[i] + "\"" : std::string("(none)");
        if (left != right) {
            return "line " + std::to_string(i + 1) + ": " + left + " instead of " + right;
        }
    }
    return "the same lines, different line ends";
}

std::string ProtocolBytesWithLine(const std::string& bytes, int line, std::string_view value) {
    auto lines = SplitLines(DecodeCp1250(bytes));
    lines.at(static_cast<std::size_t>(line)) = std::string(value);
    return EncodeCp1250(JoinLines(lines));
}

} // namespace quelvarin::test
