#include "model/SpecialReactions.h"

#include "platform/Utf8.h"

#include <array>

namespace quelvarin {
namespace {

constexpr SpecialReaction kSpecialReactions[] = {
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
static_assert(std::size(kSpecialReactions) == 159);

constexpr std::array<std::string_view, kSpecialReactionGroupCount> kGroupNames = {
    "Jelentésadási tudat",   // 1
    "Elakadások",            // 2
    "Leírások",              // 3
    "Tapadások",             // 4
    "Infantilis reakciók",   // 5
    "Verbalizmusok",         // 6
    "Paramnéziák",           // 7
    "Rejtett determinánsok", // 8
    "Szenzoros projekciók",  // 9
    "Elaborációk",           // 10
    "Paradox reakciók",      // 11
    "Dezorientációk",        // 12
    "Defekt reakciók",       // 13
    "Szexuális válaszok",    // 14
    "Egyéb reakciók",        // 15
};

constexpr LetterTab kLetterTabs[] = {
    {"a,á", "A", "Á"}, {"b", "B", "B"}, {"c", "C", "C"}, {"d", "D", "D"}, {"e,é", "E", "É"},
    {"f", "F", "F"},   {"g", "G", "G"}, {"h", "H", "H"}, {"i", "I", "Í"}, {"j", "J", "J"},
    {"k", "K", "K"},   {"l", "L", "L"}, {"m", "M", "M"}, {"n", "N", "N"}, {"o,ö", "O", "Ö"},
    {"p", "P", "P"},   {"r", "R", "R"}, {"s", "S", "S"}, {"t", "T", "T"}, {"u,ü", "U", "Ü"},
    {"v", "V", "V"},   {"z", "Z", "Z"},
};

// A master-list line split as the picker reads it: the name between the first "=" and the next
// "#", the group between the first "#" and the next ";".
struct MasterLine {
    std::string_view name;
    std::string_view group;
};

MasterLine SplitMasterLine(std::string_view line) {
    MasterLine parts;
    auto equals = line.find('=');
    if (equals != std::string_view::npos) {
        auto hash = line.find('#', equals + 1);
        parts.name = line.substr(equals + 1, hash == std::string_view::npos ? hash : hash - equals - 1);
    }
    auto hash = line.find('#');
    if (hash != std::string_view::npos) {
        auto semicolon = line.find(';', hash + 1);
        parts.group =
            line.substr(hash + 1, semicolon == std::string_view::npos ? semicolon : semicolon - hash - 1);
    }
    return parts;
}

const std::vector<std::string>& MasterList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> lines;
        lines.reserve(std::size(kSpecialReactions));
        for (const auto& reaction : kSpecialReactions) {
            lines.push_back(std::to_string(reaction.code) + "=" + std::string(reaction.name) + "#" +
                            std::to_string(reaction.group) + ";");
        }
        return lines;
    }();
    return list;
}

template <typename Keep>
std::vector<SpecialReactionRow> FilterMasterList(Keep keep) {
    std::vector<SpecialReactionRow> rows;
    const auto& lines = MasterList();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto parts = SplitMasterLine(lines[i]);
        if (keep(parts)) {
            rows.push_back({std::string(parts.name), kSpecialReactions[i].code});
        }
    }
    return rows;
}

} // namespace

std::span<const SpecialReaction> SpecialReactionTable() {
    return kSpecialReactions;
}

std::string_view SpecialReactionGroupName(int group) {
    if (group < 1 || group > kSpecialReactionGroupCount) {
        return "";
    }
    return kGroupNames[static_cast<std::size_t>(group - 1)];
}

std::vector<std::string> SpecialReactionMasterList() {
    return MasterList();
}

std::vector<SpecialReactionRow> SpecialReactionsOfGroup(int group) {
    auto wanted = std::to_string(group);
    return FilterMasterList([&](const MasterLine& line) { return line.group == wanted; });
}

std::vector<SpecialReactionRow> SpecialReactionsByInitial(std::string_view first, std::string_view second) {
    return FilterMasterList([&](const MasterLine& line) {
        auto initial = FirstChar(line.name);
        return !initial.empty() && (initial == first || initial == second);
    });
}

std::span<const LetterTab> SpecialReactionLetterTabs() {
    return kLetterTabs;
}

std::vector<SpecialReactionRow> SpecialReactionsOfTab(std::string_view caption) {
    for (const auto& tab : kLetterTabs) {
        if (tab.caption == caption) {
            return SpecialReactionsByInitial(tab.initial, tab.accentedInitial);
        }
    }
    return {};
}

} // namespace quelvarin
