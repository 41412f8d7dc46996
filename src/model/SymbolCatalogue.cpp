#include "model/SymbolCatalogue.h"

#include "model/SpecialReactions.h"
#include "platform/Utf8.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace quelvarin {
namespace {

struct NamedSign {
    SignCode code;
    std::string_view name;
};

// Every named sign outside the special reactions (which have their own table with groups) and
// the 33 determinants with a form level (built from their stems below).
// clang-format off
constexpr NamedSign kNamedSigns[] = {
    // Locations
    {400, "G"}, {401, "D"}, {402, "Dd"}, {403, "Do"}, {404, "G komb."}, {405, "Gzw"}, {406, "DG komb."},
    {407, "DG konf."}, {408, "DG kont."}, {409, "DzwG"}, {410, "Dzw"}, {411, "Ddzw"}, {412, "zw"},
    // Determinants without form level
    {334, "FbF"}, {335, "Fb"}, {336, "Fbn"}, {337, "HdF"}, {338, "Hd"}, {339, "nFbF"}, {340, "nFb"},
    {341, "aFbF"}, {342, "aFb"}, {343, "asszoc.B"}, {344, "absztr.B"},
    // Contents
    {345, "M"}, {346, "T"}, {347, "Anat."}, {348, "Obj."}, {349, "Ruha"}, {350, "Táj"}, {351, "Felhő"},
    {352, "Tűz"}, {353, "Térkép"}, {354, "Festmény"}, {355, "Szcéna"}, {356, "Szem"}, {357, "Kő"},
    {358, "(M)"}, {359, "Td"}, {360, "Rtg."}, {361, "Matéria"}, {362, "Álarc I"}, {363, "Pfl."},
    {364, "Füst"}, {365, "Víz"}, {366, "Geomet."}, {367, "Illusztr."}, {368, "Ennivaló"}, {369, "Tőr"},
    {370, "Barlang"}, {371, "Md"}, {372, "Myth."}, {373, "Vér"}, {374, "Jármű"}, {375, "Álarc II"},
    {376, "Asztron."}, {377, "Hegy"}, {378, "Jég"}, {379, "Ornament."}, {380, "Szobor"},
    {381, "Szimból."}, {382, "Sár"}, {383, "Szín"}, {384, "Md Obj."}, {385, "Szörny"}, {386, "Szex"},
    {387, "Architek"}, {388, "Álarc III"}, {389, "Sacrum"}, {390, "Szikla"}, {391, "Explózió"},
    {392, "Jel"}, {393, "Karikat."}, {394, "Absztr."}, {395, "Szakadék"}, {396, "Amorf"},
    // Frequencies
    {293, "V-1"}, {294, "V-2"}, {295, "V-3"}, {296, "V%"}, {297, "O+"}, {298, "O+/-"}, {299, "O-"},
    {300, "O%"},
    // Answer counts
    {397, "Feleletszám"}, {398, "I. - VII."}, {399, "VIII. - X."},
    // Colour index
    {413, "Szines index"},
    // Sensitivity-paranoia components
    {416, "Feleletszám"}, {417, "Szem-projekciók"}, {418, "Gyanakvó reakciók"},
    {419, "Tartalmatlanítások"}, {420, "Percepciós jellemzők"}, {421, "Indulattalanítások"},
    {422, "Rejtőzködések"}, {423, "Tulajdonítások"}, {424, "Jelentésadást kisérő bagatell."},
    {425, "Szimmetriahangsúly"}, {426, "Jelentésadás nélküli bagatell."}, {427, "Veszély-projekciók"},
    // Supplementary-information flags (short names)
    {480, "Meghatározatlan válaszok"}, {481, "Versagen tendencia"}, {482, "Öröm-mozgás"},
    {483, "Tánc-mozgás"}, {484, "Halálra utaló válasz"}, {485, "Bohóc-válasz"},
    {486, "Veszélytelenítő tendencia"}, {487, "Rejtett dram. és fantázia"}, {488, "Autoritás tartalom"},
    {489, "Naív bizt. kereső hangvétel"}, {490, "Válaszrontási tendencia"},
    {491, "Elidőzés Dd áreánál"}, {492, "Tartalmak bag. kics. tend-val"},
    {493, "Értékfok., a tart. fokozása"}, {494, "Agresszív tendencia"},
    {495, "Ütközés után jó megoldás"}, {496, "Köt. ut. tart. FFb+,FHd+ nélk"},
    {497, "Agressziót iml., nem agr motiv."},
    // Named categories without a picker entry
    {97, "Elfojtás"}, {98, "Regresszió"}, {99, "Izoláció"}, {100, "Projekció"},
    {101, "Meg nem történtté t"}, {102, "Reakcióképzés"}, {103, "Azonosítás"}, {104, "Kompenzáció"},
    {105, "Mentális színvonal"}, {106, "Kontaktus"}, {107, "Tolerancia"}, {108, "Elaboráció"},
};
// clang-format on

constexpr std::array<std::string_view, 18> kSupplementaryItemTexts = {
    "Meghatározatlan válaszok",
    "Versagen tendencia",
    "Öröm-mozgás",
    "Tánc-mozgás",
    "Halálra utaló válasz",
    "Bohóc-válasz",
    "Veszélytelenítő tendencia",
    "Rejtett dramatizálás és fantázia",
    "Autoritás tartalom",
    "Naív, biztonságot kereső hangvétel",
    "Válaszrontási tendencia",
    "Elidőzés Dd áreánál",
    "Tartalmak bagatellizálása kicsinyítési tendenciával",
    "Értékfokozás, a tartalmak fokozása",
    "Agresszív tendencia",
    "Ütközések után jó megoldások",
    "Kötődésre utaló tartalom FFb+,FHd+ nélkül",
    "Agressziót implikáló, agr. motivációnak nem jelölhető válasz",
};

constexpr std::array<std::string_view, 11> kFormLevelStems = {
    "F", "B", "B sec", "B klein", "BF", "b", "FFb", "FHd", "F(Fb)", "aFFb", "nFFb",
};
constexpr std::array<std::string_view, 3> kFormLevels = {"+", "+/-", "-"};

constexpr std::array<std::string_view, 10> kCardNames = {
    "I.", "II.", "III.", "IV.", "V.", "VI.", "VII.", "VIII.", "IX.", "X.",
};

// Kind of each range of codes; codes not covered have no sign.
struct KindRange {
    SignCode first;
    SignCode last;
    SignKind kind;
};
constexpr KindRange kKindRanges[] = {
    {97, 108, SignKind::NamedCategory},
    {codes::kFirstSpecialReaction, codes::kLastSpecialReaction, SignKind::SpecialReaction},
    {codes::kV1, codes::kOPercent, SignKind::Frequency},
    {codes::kFirstDeterminant, codes::kAbsztrB, SignKind::Determinant},
    {codes::kFirstContent, codes::kLastContent, SignKind::Content},
    {codes::kAnswerCount, codes::kAnswersLate, SignKind::AnswerCount},
    {codes::kFirstLocation, codes::kLastLocation, SignKind::Location},
    {codes::kColourIndex, codes::kColourIndex, SignKind::ColourIndex},
    {codes::kFirstSensitivityParanoia, codes::kLastSensitivityParanoia, SignKind::SensitivityParanoia},
    {codes::kFirstSupplementary, codes::kLastSupplementary, SignKind::SupplementaryInformation},
};

class Catalogue {
public:
    Catalogue() {
        for (const auto& sign : kNamedSigns) {
            Name(sign.code) = std::string(sign.name);
        }
        for (const auto& reaction : SpecialReactionTable()) {
            Name(reaction.code) = std::string(reaction.name);
        }
        for (std::size_t level = 0; level < kFormLevels.size(); ++level) {
            for (std::size_t stem = 0; stem < kFormLevelStems.size(); ++stem) {
                auto code = static_cast<SignCode>(codes::kFirstDeterminant + 11 * level + stem);
                Name(code) = std::string(kFormLevelStems[stem]) + " " + std::string(kFormLevels[level]);
            }
        }
        // In code order, so that of the two signs named "Feleletszám" the later, 416, wins:
        // the catalogue lists the sensitivity-paranoia components before the answer counts.
        for (int code = codes::kFirstCounter; code <= codes::kLastCounter; ++code) {
            const auto& name = m_names[Index(static_cast<SignCode>(code))];
            if (!name.empty()) {
                m_codesByName[name] = static_cast<SignCode>(code);
            }
        }
    }

    std::string_view NameOf(SignCode code) const {
        if (code < codes::kFirstCounter || code > codes::kLastCounter || m_names[Index(code)].empty()) {
            return "#";
        }
        return m_names[Index(code)];
    }

    SignCode CodeOf(std::string_view name) const {
        auto it = m_codesByName.find(std::string(TrimBlanks(name)));
        return it == m_codesByName.end() ? SignCode{0} : it->second;
    }

private:
    static std::size_t Index(SignCode code) { return static_cast<std::size_t>(code - codes::kFirstCounter); }
    std::string& Name(SignCode code) { return m_names[Index(code)]; }

    std::array<std::string, codes::kCounterCount> m_names;
    std::unordered_map<std::string, SignCode> m_codesByName;
};

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue;
    return catalogue;
}

} // namespace

std::string_view NameOfCode(SignCode code) {
    return TheCatalogue().NameOf(code);
}

SignCode CodeOfName(std::string_view name) {
    return TheCatalogue().CodeOf(name);
}

SignKind KindOfCode(SignCode code) {
    for (const auto& range : kKindRanges) {
        if (code >= range.first && code <= range.last) {
            return range.kind;
        }
    }
    return SignKind::None;
}

SignColumn ColumnOfCode(SignCode code) {
    switch (KindOfCode(code)) {
    case SignKind::Location:
        return SignColumn::Locations;
    case SignKind::Determinant:
        // The two movement qualities are listed with the special reactions.
        return code == codes::kAsszocB || code == codes::kAbsztrB ? SignColumn::SpecialReactions
                                                                  : SignColumn::Determinants;
    case SignKind::Content:
        return SignColumn::Contents;
    case SignKind::Frequency:
        return SignColumn::Frequencies;
    case SignKind::SpecialReaction:
        return SignColumn::SpecialReactions;
    default:
        return SignColumn::None;
    }
}

SignCode ParentOfCode(SignCode code) {
    if (code >= codes::kFirstFHVariant && code <= codes::kLastFHVariant) {
        return codes::kFH;
    }
    if (code >= codes::kFirstDzwVariant && code <= codes::kLastDzwVariant) {
        return codes::kDzw;
    }
    return code;
}

bool IsSubVariant(SignCode code) {
    return ParentOfCode(code) != code;
}

std::string_view ColumnNameOfCode(SignCode code) {
    return NameOfCode(ParentOfCode(code));
}

SignColumn ColumnOfSlot(SignCode code) {
    return ColumnOfCode(ParentOfCode(code));
}

std::string_view CardName(int card) {
    if (card < 1 || card > 10) {
        return "**";
    }
    return kCardNames[static_cast<std::size_t>(card - 1)];
}

const std::array<std::string_view, 18>& SupplementaryItemTexts() {
    return kSupplementaryItemTexts;
}
const std::array<std::string_view, 11>& FormLevelStems() {
    return kFormLevelStems;
}
const std::array<std::string_view, 3>& FormLevels() {
    return kFormLevels;
}

} // namespace quelvarin
