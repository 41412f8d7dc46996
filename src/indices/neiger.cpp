#include "indices/neiger.h"

#include "model/EducationLevels.h"
#include "platform/NumberFormat.h"

#include <array>

namespace quelvarin::neiger {
namespace {

constexpr VulgarRow kVulgarRows[] = {
    {"   I.   a     G  Denevér,lepke,madár /semmi más rovar vagy szárnyas......: V1", "V1"},
    {"  II.   a     G  Bármely két emberi v.emberszerű figura, ha a 2.r. a feje: V2", "V2"},
    {" III.   a     G  Bármely két emberi v.emberszerű alak, ha a 8.r. a lába..: V1", "V1"},
    {"        c     1  Emberfej / gyakran néger /..............................: V2", "V2"},
    {"  IV.   a /1.kiv/Bármely emberi v. emberszerű v. majom de egyéb állat nem: V1", "V1"},
    {"       a,c    1  Állatfej................................................: V2", "V2"},
    {"  VI.  a,c    G  Állatbőr, irha, prémszőnyeg.............................: V1", "V1"},
    {" VII.   a    1,2 Embernek vagy emberszerű lénynek a feje.................: V1", "V1"},
    {"VIII. a,b,d   1  Bármely négylábú állat..................................: V1", "V1"},
    {"  IX.  b,d   11  Szarvas, emlős feje.....................................: V1", "V1"},
    {"       b,d    3  Embernek vagy emberszerű lénynek a feje.................: V1", "V1"},
    {"              1  Ember vagy emberszerű alak..............................: V2", "V2"},
    {"   X. a,b,d   6  Pók, rák, skorpió, medúza stb...........................: V1", "V1"},
    {"        a    16  Bármely állati fej / rovarfej is /......................: V1", "V1"},
    {"        a     3  Bármely állat, akar emberszerű is, de nem ember.........: V1", "V1"},
    {"            2,7  Bármely négylábú állat vagy madár.......................: V2", "V2"},
};
static_assert(std::size(kVulgarRows) == kNeigerVulgarCount);

// The correction of each school level, lowest first (the education levels' order).
constexpr std::array<double, 8> kSchoolCorrections = {
    2.5, // általános iskola 6-ig
    2.0, // általános iskola 7-ig
    2.0, // általános iskola 8-ig
    1.5, // középiskola I.
    1.0, // középiskola II.
    1.0, // középiskola III.
    0.5, // középiskola IV.
    0.0, // főiskola I-től
};

// The first band from the top whose lower bound the score reaches.
struct RatingBand {
    double from;
    std::string_view rating;
};
constexpr RatingBand kRatings[] = {
    {8, "Normális érték"},
    {5, "Valószínű normális érték"},
    {3, "Valószínűleg patológiás érték"},
    {-1e300, "Patológiás érték"},
};

} // namespace

std::span<const VulgarRow> VulgarRows() {
    return kVulgarRows;
}

double SchoolCorrection(std::optional<int> schoolLevel) {
    if (!schoolLevel || *schoolLevel < 0 || *schoolLevel >= static_cast<int>(kSchoolCorrections.size())) {
        return 0;
    }
    return kSchoolCorrections[static_cast<std::size_t>(*schoolLevel)];
}

double Score(const Protocol& protocol) {
    double score = 0;
    score += SchoolCorrection(EducationLevelIndex(protocol.personal.education));
    for (bool ticked : protocol.neigerVulgars) {
        score += ticked ? 1 : 0;
    }
    return score;
}

std::string ScoreText(double score) {
    return FormatFixed(score, 1, 4);
}

std::string_view Rating(double score) {
    for (const auto& band : kRatings) {
        if (score >= band.from) {
            return band.rating;
        }
    }
    return kRatings[std::size(kRatings) - 1].rating;
}

bool RealityIndex(const Protocol& protocol, std::string_view selector, std::string& result) {
    if (selector == "szam") {
        result = ScoreText(Score(protocol));
        return true;
    }
    if (selector == "szoveg") {
        result = std::string(Rating(Score(protocol)));
        return true;
    }
    return false;
}

} // namespace quelvarin::neiger
