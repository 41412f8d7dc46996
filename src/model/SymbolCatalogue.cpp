#include "model/SymbolCatalogue.h"

#include "platform/Utf8.h"

#include <algorithm>

namespace quelvarin {
namespace {

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

constexpr std::array<std::string_view, 10> kCardNames = {
    "I.", "II.", "III.", "IV.", "V.", "VI.", "VII.", "VIII.", "IX.", "X.",
};

// Every name but "Feleletszám" (397 and 416) names one sign only.
consteval bool NamesAreUniqueButTheAnswerCount() {
    std::array<std::string_view, codes::kCounterCount> names{};
    std::size_t count = 0;
    for (const auto& entry : catalogue::kCodeTable) {
        if (entry.kind != SignKind::None) {
            names[count++] = entry.name;
        }
    }
    std::sort(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(count));
    int repeats = 0;
    for (std::size_t i = 1; i < count; ++i) {
        repeats += names[i] == names[i - 1] ? 1 : 0;
    }
    return repeats == 1 && catalogue::EntryOf(codes::kAnswerCount)->name == "Feleletszám" &&
           catalogue::EntryOf(codes::kSpAnswers)->name == "Feleletszám";
}
static_assert(NamesAreUniqueButTheAnswerCount());

// The named constants of SignCode.h against the catalogue's names.
static_assert(codes::kFirstNamedCategory == Sign("Elfojtás") &&
              codes::kLastNamedCategory == Sign("Elaboráció"));
static_assert(codes::kFirstSpecialReaction == Sign("Annullálás") &&
              codes::kLastSpecialReaction == Sign("Zw-utalás"));
static_assert(codes::kVersagen == Sign("Versagen"));
static_assert(codes::kFH == Sign("FH"));
static_assert(codes::kHdKompenzalas == Sign("Hd-kompenzálás"));
static_assert(codes::kV1 == Sign("V-1") && codes::kV2 == Sign("V-2") && codes::kV3 == Sign("V-3"));
static_assert(codes::kVPercent == Sign("V%"));
static_assert(codes::kOPlus == Sign("O+") && codes::kOPlusMinus == Sign("O+/-") &&
              codes::kOMinus == Sign("O-"));
static_assert(codes::kOPercent == Sign("O%"));
static_assert(codes::kFirstDeterminant == Sign("F +") && codes::kLastFormLevelDeterminant == Sign("nFFb -"));
static_assert(codes::kAsszocB == Sign("asszoc.B") && codes::kAbsztrB == Sign("absztr.B"));
static_assert(codes::kFirstContent == Sign("M") && codes::kLastContent == Sign("Amorf"));
static_assert(codes::kAnswersEarly == Sign("I. - VII.") && codes::kAnswersLate == Sign("VIII. - X."));
static_assert(codes::kFirstLocation == Sign("G") && codes::kLastLocation == Sign("zw"));
static_assert(codes::kDzw == Sign("Dzw"));
static_assert(codes::kColourIndex == Sign("Szines index"));
static_assert(codes::kSpEyeProjections == Sign("Szem-projekciók"));
static_assert(codes::kSpSuspiciousReactions == Sign("Gyanakvó reakciók"));
static_assert(codes::kSpContentVoidings == Sign("Tartalmatlanítások"));
static_assert(codes::kSpPerceptualTraits == Sign("Percepciós jellemzők"));
static_assert(codes::kSpAffectVoidings == Sign("Indulattalanítások"));
static_assert(codes::kSpConcealments == Sign("Rejtőzködések"));
static_assert(codes::kSpAttributions == Sign("Tulajdonítások"));
static_assert(codes::kSpBelittlingWithMeaning == Sign("Jelentésadást kisérő bagatell."));
static_assert(codes::kSpSymmetryEmphasis == Sign("Szimmetriahangsúly"));
static_assert(codes::kSpBelittlingWithoutMeaning == Sign("Jelentésadás nélküli bagatell."));
static_assert(codes::kSpDangerProjections == Sign("Veszély-projekciók"));
static_assert(codes::kFirstSupplementary == Sign("Meghatározatlan válaszok"));
static_assert(codes::kFlagDefusingTendency == Sign("Veszélytelenítő tendencia"));
static_assert(codes::kFlagHiddenDramatisation == Sign("Rejtett dram. és fantázia"));
static_assert(codes::kFlagAuthorityContent == Sign("Autoritás tartalom"));
static_assert(codes::kFlagNaiveSecuritySeeking == Sign("Naív bizt. kereső hangvétel"));
static_assert(codes::kFlagAnswerSpoiling == Sign("Válaszrontási tendencia"));
static_assert(codes::kFlagBelittlingContents == Sign("Tartalmak bag. kics. tend-val"));
static_assert(codes::kLastSupplementary == Sign("Agressziót iml., nem agr motiv."));

} // namespace

std::string_view NameOfCode(SignCode code) {
    const auto* entry = catalogue::EntryOf(code);
    return entry ? entry->name : "#";
}

SignCode CodeOfName(std::string_view name) {
    // From the top down, so that "Feleletszám" finds the sensitivity-paranoia component 416
    // rather than the answer count 397.
    auto trimmed = TrimBlanks(name);
    for (auto code = codes::kLastCounter; code >= codes::kFirstCounter; --code) {
        const auto* entry = catalogue::EntryOf(code);
        if (entry && entry->name == trimmed) {
            return code;
        }
    }
    return 0;
}

SignKind KindOfCode(SignCode code) {
    const auto* entry = catalogue::EntryOf(code);
    return entry ? entry->kind : SignKind::None;
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
    return catalogue::kFormLevelStems;
}
const std::array<std::string_view, 3>& FormLevels() {
    return catalogue::kFormLevels;
}

} // namespace quelvarin
