#pragma once

#include "model/SignCode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The names of the scoring signs, fixed at compile time. A table that names a sign writes
// Sign("Tűz") rather than its code: the name is looked up while compiling, and a name that no
// sign has stops the build. The catalogue's run-time lookups (NameOfCode, CodeOfName,
// KindOfCode) and the special reactions' master list read these same tables.
namespace quelvarin {

enum class SignKind : std::uint8_t {
    None,
    NamedCategory, // 97..108: named, never offered by the picker
    SpecialReaction,
    Frequency, // vulgar and originality classes with their percentages
    Determinant,
    Content,
    AnswerCount,
    Location,
    ColourIndex,
    SensitivityParanoia,
    SupplementaryInformation,
};

struct NamedSign {
    SignCode code;
    std::string_view name;
};

struct SpecialReaction {
    SignCode code;
    std::string_view name;
    int group; // 1..15
};

namespace catalogue {

// clang-format off
// Locations (felfogásmód), 400..412.
inline constexpr NamedSign kLocationSigns[] = {
    {400, "G"}, {401, "D"}, {402, "Dd"}, {403, "Do"}, {404, "G komb."}, {405, "Gzw"}, {406, "DG komb."},
    {407, "DG konf."}, {408, "DG kont."}, {409, "DzwG"}, {410, "Dzw"}, {411, "Ddzw"}, {412, "zw"},
};

// Determinants without a form level, 334..344.
inline constexpr NamedSign kDeterminantsWithoutLevel[] = {
    {334, "FbF"}, {335, "Fb"}, {336, "Fbn"}, {337, "HdF"}, {338, "Hd"}, {339, "nFbF"}, {340, "nFb"},
    {341, "aFbF"}, {342, "aFb"}, {343, "asszoc.B"}, {344, "absztr.B"},
};

// Contents (tartalom), 345..396.
inline constexpr NamedSign kContentSigns[] = {
    {345, "M"}, {346, "T"}, {347, "Anat."}, {348, "Obj."}, {349, "Ruha"}, {350, "Táj"}, {351, "Felhő"},
    {352, "Tűz"}, {353, "Térkép"}, {354, "Festmény"}, {355, "Szcéna"}, {356, "Szem"}, {357, "Kő"},
    {358, "(M)"}, {359, "Td"}, {360, "Rtg."}, {361, "Matéria"}, {362, "Álarc I"}, {363, "Pfl."},
    {364, "Füst"}, {365, "Víz"}, {366, "Geomet."}, {367, "Illusztr."}, {368, "Ennivaló"}, {369, "Tőr"},
    {370, "Barlang"}, {371, "Md"}, {372, "Myth."}, {373, "Vér"}, {374, "Jármű"}, {375, "Álarc II"},
    {376, "Asztron."}, {377, "Hegy"}, {378, "Jég"}, {379, "Ornament."}, {380, "Szobor"},
    {381, "Szimból."}, {382, "Sár"}, {383, "Szín"}, {384, "Md Obj."}, {385, "Szörny"}, {386, "Szex"},
    {387, "Architek"}, {388, "Álarc III"}, {389, "Sacrum"}, {390, "Szikla"}, {391, "Explózió"},
    {392, "Jel"}, {393, "Karikat."}, {394, "Absztr."}, {395, "Szakadék"}, {396, "Amorf"},
};

// Vulgar and originality classes with their percentages, 293..300.
inline constexpr NamedSign kFrequencySigns[] = {
    {293, "V-1"}, {294, "V-2"}, {295, "V-3"}, {296, "V%"}, {297, "O+"}, {298, "O+/-"}, {299, "O-"},
    {300, "O%"},
};

// Answer counts, 397..399.
inline constexpr NamedSign kAnswerCountSigns[] = {
    {397, "Feleletszám"}, {398, "I. - VII."}, {399, "VIII. - X."},
};

// The colour index, 413.
inline constexpr NamedSign kColourIndexSigns[] = {
    {413, "Szines index"},
};

// The sensitivity-paranoia components, 416..427.
inline constexpr NamedSign kSensitivityParanoiaSigns[] = {
    {416, "Feleletszám"}, {417, "Szem-projekciók"}, {418, "Gyanakvó reakciók"},
    {419, "Tartalmatlanítások"}, {420, "Percepciós jellemzők"}, {421, "Indulattalanítások"},
    {422, "Rejtőzködések"}, {423, "Tulajdonítások"}, {424, "Jelentésadást kisérő bagatell."},
    {425, "Szimmetriahangsúly"}, {426, "Jelentésadás nélküli bagatell."}, {427, "Veszély-projekciók"},
};

// The supplementary-information flags (short names), 480..497.
inline constexpr NamedSign kSupplementarySigns[] = {
    {480, "Meghatározatlan válaszok"}, {481, "Versagen tendencia"}, {482, "Öröm-mozgás"},
    {483, "Tánc-mozgás"}, {484, "Halálra utaló válasz"}, {485, "Bohóc-válasz"},
    {486, "Veszélytelenítő tendencia"}, {487, "Rejtett dram. és fantázia"}, {488, "Autoritás tartalom"},
    {489, "Naív bizt. kereső hangvétel"}, {490, "Válaszrontási tendencia"},
    {491, "Elidőzés Dd áreánál"}, {492, "Tartalmak bag. kics. tend-val"},
    {493, "Értékfok., a tart. fokozása"}, {494, "Agresszív tendencia"},
    {495, "Ütközés után jó megoldás"}, {496, "Köt. ut. tart. FFb+,FHd+ nélk"},
    {497, "Agressziót iml., nem agr motiv."},
};

// Named categories that the sign picker never offers, 97..108.
inline constexpr NamedSign kNamedCategories[] = {
    {97, "Elfojtás"}, {98, "Regresszió"}, {99, "Izoláció"}, {100, "Projekció"},
    {101, "Meg nem történtté t"}, {102, "Reakcióképzés"}, {103, "Azonosítás"}, {104, "Kompenzáció"},
    {105, "Mentális színvonal"}, {106, "Kontaktus"}, {107, "Tolerancia"}, {108, "Elaboráció"},
};

// The special reactions, 109..267, in code order, each with its group 1..15. The master list
// of the picker is written from this table.
inline constexpr SpecialReaction kSpecialReactions[] = {
    {109, "Annullálás", 1},
    {110, "Aggraváció", 2},
    {111, "Arc-sztereotípia", 4},
    {112, "Autisztikus magyarázat", 6},
    {113, "Absztrakt szóhasználat", 6},
    {114, "Akusztikus asszociáció", 9},
    {115, "Autolokalizáció", 12},
    {116, "Aránytalanság", 12},
    {117, "Áttételes reakció", 12},
    {118, "Anális", 14},
    {119, "A tergo", 14},
    {120, "Amputált G", 15},
    {121, "Agresszió", 15},
    {122, "Bizonytalanság", 1},
    {123, "Barna-ütközés", 2},
    {124, "Bizarr verbalizáció", 6},
    {125, "B-Fb testérzés", 9},
    {126, "Befestés", 11},
    {127, "Bizarr szex-válasz", 14},
    {128, "Bagatellizálás", 15},
    {129, "Csonkítás", 13},
    {130, "Dd-ütközés", 2},
    {131, "Dereizálás", 12},
    {132, "Deformálás", 13},
    {133, "Defekt Fb", 13},
    {134, "Defekt Hd", 13},
    {135, "Elhomályosodás", 1},
    {136, "Eltolódott sokk", 2},
    {137, "Érintkezési hangsúly", 4},
    {138, "Értékelés", 6},
    {139, "Énes verbalizáció", 6},
    {140, "Értelmezési illúzió", 7},
    {141, "EQa", 9},
    {142, "Élettelenítés", 12},
    {143, "Énbevonás", 12},
    {144, "Elfojtott B", 15},
    {145, "Fokozott jelentéstudat", 1},
    {146, "Feltételes verbalizáció", 6},
    {147, "Fabuláció", 6},
    {148, "Feszítő B", 9},
    {149, "FH", 10},
    {150, "Feszültség-elaboráció", 10},
    {151, "Fordulat az értelmezésben", 12},
    {152, "Frusztráció", 15},
    {153, "G-ütközés", 2},
    {154, "Gyanakvó reakció", 6},
    {155, "Gépies fordulat", 6},
    {156, "Groteszk", 15},
    {157, "Hd-ütközés", 2},
    {158, "Hd-leírás", 3},
    {159, "Hézaghangsúly", 3},
    {160, "Hasonlósági illúzió", 7},
    {161, "Hajlító B", 9},
    {162, "Hd-elaboráció", 10},
    {163, "Hd-utalás", 10},
    {164, "Hd-hívás", 11},
    {165, "Hd-artefaktum", 11},
    {166, "Hd-szimbolika", 11},
    {167, "Hd-kompenzálás", 11},
    {168, "Hiány-reakció", 13},
    {169, "Infantilis jelentéstudat", 1},
    {170, "Inkompetencia", 1},
    {171, "Inverzió", 5},
    {172, "Ideovizualitás", 5},
    {173, "Infantilis alakválasz", 5},
    {174, "Ismeretközlés", 5},
    {175, "Infantilis tartalmak", 5},
    {176, "Infantilis pozíció", 5},
    {177, "Ismétlés", 7},
    {178, "Int. Fb", 10},
    {179, "Impresszió", 11},
    {180, "Intenció", 12},
    {181, "Inadekvát kinesztézia", 15},
    {182, "Jelentéstudat", 1},
    {183, "Juxtapozíció", 5},
    {184, "Kérdő reakció", 1},
    {185, "Kék-zöld ütközés", 2},
    {186, "Kilépés", 2},
    {187, "Képleírás", 3},
    {188, "Kontúr-reakció", 5},
    {189, "Kitérő verbalizáció", 6},
    {190, "Konkretizálás", 6},
    {191, "Kifejezési amnézia", 7},
    {192, "Kettőzés", 8},
    {193, "Kombináció", 10},
    {194, "Kettős válasz", 10},
    {195, "Kettős B", 10},
    {196, "Konfabuláció", 11},
    {197, "Kontamináció", 12},
    {198, "Kicsinyítés", 12},
    {199, "Kettős lény", 15},
    {200, "Keresztmetszet", 15},
    {201, "Laterál-ütközés", 2},
    {202, "Lokalizációs bizonytalanság", 12},
    {203, "Medián-ütközés", 2},
    {204, "Md-sztereotípia", 4},
    {205, "Molekula-reakció", 5},
    {206, "Mese-reminiszcencia", 5},
    {207, "Medián preferencia", 8},
    {208, "Medián-utalás", 10},
    {209, "Metamorfizmus", 15},
    {210, "Neologizma", 6},
    {211, "Nagyítás", 12},
    {212, "Obj. Kritika", 1},
    {213, "Orális", 14},
    {214, "Piros-ütközés", 2},
    {215, "Perszeveráció", 4},
    {216, "Proprioceptív reakció", 4},
    {217, "Ppt", 5},
    {218, "Pozíció", 8},
    {219, "Perspektíva", 10},
    {220, "Részletezés", 4},
    {221, "Ráismerés", 7},
    {222, "Rejtett értelmezés", 11},
    {223, "Szubj. Kritika", 1},
    {224, "Színkritika", 1},
    {225, "Sokk /Hd, szín/", 2},
    {226, "Színütközés", 2},
    {227, "Sárga-ütközés", 2},
    {228, "Színleírás", 3},
    {229, "Szimmetria", 3},
    {230, "Sztereotípia", 4},
    {231, "Sűrítés", 5},
    {232, "Szubj. reakció", 6},
    {233, "Számreakció", 8},
    {234, "Szaglási asszoc.", 9},
    {235, "Színelaboráció", 10},
    {236, "Statikai reakció", 10},
    {237, "Színhívás", 11},
    {238, "Színhiány", 11},
    {239, "Színdicséret", 11},
    {240, "Színdramatizálás", 11},
    {241, "Színtagadás", 11},
    {242, "Szex-ütközés", 14},
    {243, "Szex-labilitás", 14},
    {244, "Tagadó reakció", 1},
    {245, "Tehetetlenség", 1},
    {246, "Technikai deskripció", 3},
    {247, "Tartalmatlan reakció", 3},
    {248, "Transzparencia", 5},
    {249, "Tükör-reakció", 8},
    {250, "Tapintási asszociáció", 9},
    {251, "Távolítás", 10},
    {252, "Táblahatár átlépés", 12},
    {253, "Transzformizmus", 12},
    {254, "Takarás", 15},
    {255, "Unbestimmt", 1},
    {256, "Ütközés", 2},
    {257, "Uretrális", 14},
    {258, "Undor-reakció", 15},
    {259, "Vagy-vagy", 1},
    {260, "Versagen", 2},
    {261, "Visszatérés", 4},
    {262, "Vélemény", 6},
    {263, "Válaszrontás", 11},
    {264, "Veszély-projekció", 15},
    {265, "Zavar", 2},
    {266, "Zw-ütközés", 2},
    {267, "Zw-utalás", 10},
};
// clang-format on

// The stems of the determinants with a form level and the three levels: the determinant of
// stem s at level l has the code 301 + 11 * l + s and the name stem, blank, level ("B sec +/-").
inline constexpr std::array<std::string_view, 11> kFormLevelStems = {
    "F", "B", "B sec", "B klein", "BF", "b", "FFb", "FHd", "F(Fb)", "aFFb", "nFFb",
};
inline constexpr std::array<std::string_view, 3> kFormLevels = {"+", "+/-", "-"};
inline constexpr std::size_t kFormLevelCount = kFormLevelStems.size() * kFormLevels.size(); // 33

// Not constexpr: reaching one of these while compiling stops the build, and the compiler's
// message names the fault.
void SignNameIsNotInTheCatalogue();
void SignNameIsAmbiguous();
void CatalogueTablesDisagree();

// The composed names of the 33 determinants with a form level, in code order.
struct ComposedName {
    std::array<char, 16> text{};
    std::size_t size = 0;
    constexpr std::string_view View() const { return {text.data(), size}; }
};

consteval std::array<ComposedName, kFormLevelCount> ComposeFormLevelNames() {
    std::array<ComposedName, kFormLevelCount> names{};
    for (std::size_t level = 0; level < kFormLevels.size(); ++level) {
        for (std::size_t stem = 0; stem < kFormLevelStems.size(); ++stem) {
            auto& name = names[level * kFormLevelStems.size() + stem];
            auto append = [&name](std::string_view part) {
                for (char c : part) {
                    if (name.size == name.text.size()) {
                        CatalogueTablesDisagree();
                    }
                    name.text[name.size++] = c;
                }
            };
            append(kFormLevelStems[stem]);
            append(" ");
            append(kFormLevels[level]);
        }
    }
    return names;
}
inline constexpr auto kFormLevelNames = ComposeFormLevelNames();

// The name and kind of every code 90..497, indexed by code - 90; an empty name for a code
// without a sign.
struct Entry {
    std::string_view name;
    SignKind kind = SignKind::None;
};
using CodeTable = std::array<Entry, codes::kCounterCount>;

consteval CodeTable BuildCodeTable() {
    CodeTable table{};
    auto place = [&table](SignCode code, std::string_view name, SignKind kind) {
        if (code < codes::kFirstCounter || code > codes::kLastCounter || name.empty()) {
            CatalogueTablesDisagree();
        }
        auto& entry = table[static_cast<std::size_t>(code - codes::kFirstCounter)];
        if (entry.kind != SignKind::None) {
            CatalogueTablesDisagree(); // a code named twice
        }
        entry = {name, kind};
    };
    // Each list must fill the range of its kind exactly.
    auto placeAll = [&place](const auto& signs, SignKind kind, SignCode first, SignCode last) {
        if (std::size(signs) != static_cast<std::size_t>(last - first + 1)) {
            CatalogueTablesDisagree();
        }
        for (const auto& sign : signs) {
            if (sign.code < first || sign.code > last) {
                CatalogueTablesDisagree();
            }
            place(sign.code, sign.name, kind);
        }
    };
    placeAll(kNamedCategories, SignKind::NamedCategory, codes::kFirstNamedCategory,
             codes::kLastNamedCategory);
    placeAll(kSpecialReactions, SignKind::SpecialReaction, codes::kFirstSpecialReaction,
             codes::kLastSpecialReaction);
    placeAll(kFrequencySigns, SignKind::Frequency, codes::kV1, codes::kOPercent);
    if (kFormLevelNames.size() !=
        static_cast<std::size_t>(codes::kLastFormLevelDeterminant - codes::kFirstDeterminant + 1)) {
        CatalogueTablesDisagree();
    }
    for (std::size_t i = 0; i < kFormLevelNames.size(); ++i) {
        place(static_cast<SignCode>(codes::kFirstDeterminant + i), kFormLevelNames[i].View(),
              SignKind::Determinant);
    }
    placeAll(kDeterminantsWithoutLevel, SignKind::Determinant, codes::kLastFormLevelDeterminant + 1,
             codes::kAbsztrB);
    placeAll(kContentSigns, SignKind::Content, codes::kFirstContent, codes::kLastContent);
    placeAll(kAnswerCountSigns, SignKind::AnswerCount, codes::kAnswerCount, codes::kAnswersLate);
    placeAll(kLocationSigns, SignKind::Location, codes::kFirstLocation, codes::kLastLocation);
    placeAll(kColourIndexSigns, SignKind::ColourIndex, codes::kColourIndex, codes::kColourIndex);
    placeAll(kSensitivityParanoiaSigns, SignKind::SensitivityParanoia, codes::kFirstSensitivityParanoia,
             codes::kLastSensitivityParanoia);
    placeAll(kSupplementarySigns, SignKind::SupplementaryInformation, codes::kFirstSupplementary,
             codes::kLastSupplementary);
    return table;
}
inline constexpr CodeTable kCodeTable = BuildCodeTable();

constexpr const Entry* EntryOf(SignCode code) {
    if (code < codes::kFirstCounter || code > codes::kLastCounter) {
        return nullptr;
    }
    const auto& entry = kCodeTable[static_cast<std::size_t>(code - codes::kFirstCounter)];
    return entry.kind == SignKind::None ? nullptr : &entry;
}

} // namespace catalogue

// The code of a display name, resolved while compiling: Sign("Tűz") is 352. A name that no
// sign has, or that names more than one ("Feleletszám": use codes::kAnswerCount or
// codes::kSpAnswers), stops the build. The sub-variants have no name here.
consteval SignCode Sign(std::string_view name) {
    SignCode found = 0;
    int matches = 0;
    for (std::size_t i = 0; i < catalogue::kCodeTable.size(); ++i) {
        if (catalogue::kCodeTable[i].kind != SignKind::None && catalogue::kCodeTable[i].name == name) {
            found = static_cast<SignCode>(codes::kFirstCounter + i);
            ++matches;
        }
    }
    if (matches == 0) {
        catalogue::SignNameIsNotInTheCatalogue();
    }
    if (matches > 1) {
        catalogue::SignNameIsAmbiguous();
    }
    return found;
}

} // namespace quelvarin
