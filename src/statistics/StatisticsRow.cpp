#include "statistics/StatisticsRow.h"

#include "indices/neiger.h"
#include "model/SignNames.h"
#include "model/SymbolCatalogue.h"
#include "scoring/AnswerCounts.h"
#include "scoring/Apprehension.h"
#include "scoring/ContentFigures.h"
#include "scoring/PsychogramText.h"
#include "scoring/Typologies.h"

#include <array>
#include <charconv>
#include <vector>

namespace quelvarin::statistics {
namespace {

namespace text = psychogram_text;

// The codes whose counters the statistics row carries: every code with a display name.
const std::vector<SignCode>& NamedCodes() {
    static const std::vector<SignCode> named = [] {
        std::vector<SignCode> codesWithNames;
        for (int code = codes::kFirstCounter; code <= codes::kLastCounter; ++code) {
            if (NameOfCode(static_cast<SignCode>(code)) != "#") {
                codesWithNames.push_back(static_cast<SignCode>(code));
            }
        }
        return codesWithNames;
    }();
    return named;
}

class Row {
public:
    void Add(std::string_view field) {
        if (m_fields++ > 0) {
            m_line += '\t';
        }
        m_line += field;
    }
    void Add(long long value) {
        char buffer[24];
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        (void)error;
        Add(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    }
    std::string Take() { return std::move(m_line) + "\r\n"; }

private:
    std::string m_line;
    int m_fields = 0; // an empty first field is a field too
};

constexpr std::array<std::string_view, 35> kFirstHeaders = {
    "Kod",     "Nem",     "kor",   "isk",    "FSZ_1",   "FSZ_2",       "FSZ_3",      "FSZ_4",       "FSZ_5",
    "FSZ_6",   "FSZ_7",   "FSZ_8", "FSZ_9",  "FSZ_10",  "Színes_I",    "Realitás_I", "G_csop",      "D_csop",
    "Dd_csop", "zw_csop", "SumF",  "F1perc", "F2perc",  "ETbal",       "ETjobb",     "MFbal",       "MFjobb",
    "ITbal",   "ITjobb",  "Mperc", "Tperc",  "Objperc", "TartKorokSz", "Tart_szór",  "Szumma_tart",
};

// The summary export's stems of the determinants with a form level.
constexpr std::array<std::string_view, 11> kSummaryStems = {"F_",   "B_",   "Bsec_",  "Bklein_", "BF_",  "b_",
                                                            "FFb_", "FHd_", "F(Fb)_", "aFFb_",   "nFFb_"};

} // namespace

std::string Field(std::string_view value) {
    std::string field(value);
    for (char& c : field) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return field;
}

std::pair<std::string, std::string> SplitPair(std::string_view shown) {
    auto withoutBlanks = [](std::string_view part) {
        std::string out;
        for (char c : part) {
            if (c != ' ') {
                out.push_back(c);
            }
        }
        return out;
    };
    auto colon = shown.find(':');
    if (colon == std::string_view::npos) {
        return {"", withoutBlanks(shown)};
    }
    return {withoutBlanks(shown.substr(0, colon)), withoutBlanks(shown.substr(colon + 1))};
}

std::string StatisticsHeader() {
    Row row;
    for (auto header : kFirstHeaders) {
        row.Add(header);
    }
    for (auto code : NamedCodes()) {
        row.Add(NameOfCode(code));
    }
    return row.Take();
}

std::string StatisticsRow(const Protocol& protocol) {
    const auto& personal = protocol.personal;
    Row row;
    row.Add(Field(personal.code));
    row.Add(personal.sex == "nő" ? "2" : "1");
    row.Add(personal.age);
    row.Add(Field(personal.education));
    for (int perCard : CountAnswersPerCard(protocol)) {
        row.Add(perCard);
    }
    row.Add(ComputeAnswerCounts(protocol).colourIndex);
    row.Add(neiger::ScoreText(neiger::Score(protocol)));
    auto sums = ComputeLocationSums(protocol);
    row.Add(sums.g);
    row.Add(sums.d);
    row.Add(sums.dd);
    row.Add(sums.zw);
    row.Add(protocol.counts[Sign("F +")] + protocol.counts[Sign("F +/-")] + protocol.counts[Sign("F -")]);
    auto typologies = ComputeTypologies(protocol);
    row.Add(text::Percent(typologies.formPlusPercent1));
    row.Add(text::Percent(typologies.formPlusPercent2));
    for (const auto& pair :
         {typologies.experienceType, typologies.secondaryFormula, typologies.innerTension}) {
        auto [left, right] = SplitPair(text::Pair(pair));
        row.Add(left);
        row.Add(right);
    }
    auto contents = ComputeContentFigures(protocol);
    row.Add(text::Percent(contents.humanPercent));
    row.Add(text::Percent(contents.animalPercent));
    row.Add(text::Percent(contents.objectPercent));
    row.Add(contents.rangeCount);
    row.Add(text::Spread(contents.spread));
    row.Add(contents.sum);
    for (auto code : NamedCodes()) {
        row.Add(protocol.counts[code]);
    }
    return row.Take();
}

std::string SummaryHeader() {
    Row row;
    for (std::string_view header :
         {"Nev", "kor",    "nem",    "Fsz",     "I-VII",   "VIII-X",  "G",        "D",       "Dd",
          "Do",  "Gkomb",  "Gzw",    "DGkomb",  "DGkonf",  "DGkont",  "DzwG",     "Dzw",     "Ddzw",
          "zw",  "G_csop", "D_csop", "Dd_csop", "zw_csop", "Do_csop", "Dgkonf_c", "Szines_i"}) {
        row.Add(header);
    }
    for (auto stem : kSummaryStems) {
        for (std::string_view level : {"p", "pm", "m"}) {
            row.Add(std::string(stem) + std::string(level));
        }
    }
    for (std::string_view header :
         {"FbF", "HdF", "nFbF", "aFbF", "asszocB", "Fb", "Hd", "nFb", "aFb", "absztr.B", "Fbn"}) {
        row.Add(header);
    }
    return row.Take();
}

std::string SummaryRow(const Protocol& protocol) {
    const auto& counts = protocol.counts;
    Row row;
    row.Add(Field(protocol.personal.name));
    row.Add(protocol.personal.age);
    row.Add(Field(protocol.personal.sex));
    for (SignCode code = codes::kAnswerCount; code <= codes::kLastLocation; ++code) {
        row.Add(counts[code]); // 397..399, then the locations 400..412
    }
    auto sums = ComputeLocationSums(protocol);
    row.Add(sums.g);
    row.Add(sums.d);
    row.Add(sums.dd);
    row.Add(sums.zw);
    row.Add(counts[Sign("Do")]);
    row.Add(counts[Sign("DG konf.")]);
    row.Add(ColourIndex(protocol));
    for (int stem = 0; stem < 11; ++stem) {
        for (int level = 0; level < 3; ++level) {
            row.Add(counts[static_cast<SignCode>(codes::kFirstDeterminant + stem + 11 * level)]);
        }
    }
    for (SignCode code : std::array<SignCode, 11>{Sign("FbF"), Sign("HdF"), Sign("nFbF"), Sign("aFbF"),
                                                  Sign("asszoc.B"), Sign("Fb"), Sign("Hd"), Sign("nFb"),
                                                  Sign("aFb"), Sign("absztr.B"), Sign("Fbn")}) {
        row.Add(counts[code]);
    }
    return row.Take();
}

} // namespace quelvarin::statistics
