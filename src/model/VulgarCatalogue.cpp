#include "model/VulgarCatalogue.h"

#include <array>

namespace quelvarin {
namespace {

constexpr std::string_view kEntries[] = {
    // card I
    "G=Denevér(szerű)#V-1;", // 1
    "G=Lepke#V-2;",          // 2
    "DGkonf=Bogár#V-2;",     // 3
    "1, D=Bogár#V-2;",       // 4
    "Gzw=Álarc, maszk#V-2;", // 5
    "G, Gzw=Állatfej#V-3;",  // 6
    "1, D=Emberi alak#V-3;", // 7
    "G=Madár#V-3;",          // 8
    "2, D=Emberi alak#V-3;", // 9
    // card II
    "1, D=Állat#V-1;",                   // 10
    "G, Gzw=2 ember#V-1;",               // 11
    "17, Dzw=Repülő, rakéta#V-3;",       // 12
    "3, D=Lepke#V-3;",                   // 13
    "2, 3, D=Vér#V-3;",                  // 14
    "G=2 állat#V-3;",                    // 15
    "Gzw=Arc, emberfej#V-3;",            // 16
    "1, 17, D=Medence, csípőcsont#V-3;", // 17
    // card III
    "G, DGkomb=2 ember#V-1;",               // 18
    "1, D=Obj (kosár, csomag, stb.)#V-2;",  // 19
    "2, D=Ruha (pl. masni)#V-2;",           // 20
    "17, Dd, Do=Cipő#V-3;",                 // 21
    "2, D=Belső szervek (tüdő, stb.)#V-3;", // 22
    "G, Gzw, (a), (b)=Bogár, rovar#V-3;",   // 23
    "2, D=Lepke#V-3;",                      // 24
    "3, D=Állat (nem rovar)#V-3;",          // 25
    // card IV
    "G, M, (M)=Szörny, majom#V-1;", // 26
    "G=Állat#V-1;",                 // 27
    "G, Gzw=Állatbőr#V-1;",         // 28
    "4, D=Csizma#V-3;",             // 29
    // card V
    "G, G (c)=Denevér#V-1;",       // 30
    "G, G (c)=Lepke#V-1;",         // 31
    "G, G (c)=Madár#V-3;",         // 32
    "12, Dd =Krokodil (fej)#V-3;", // 33
    // card VI
    "G, G (c)=Állatbőr#V-1;",                         // 34
    "DGkonf=Bajuszos állat vagy annak bőre#V-3;",     // 35
    "G, vagy 3, D=Kereszt, totem, szobor, stb.#V-3;", // 36
    "7, Dd, Do=Bajusz#V-3;",                          // 37
    // card VII
    "DGkonf=Ember(szerű)#V-2;",                // 38
    "1 és 2, D=Ember(szerű)#V-3;",             // 39
    "1, D=Emberfej#V-3;",                      // 40
    "G, Gzw, D=Földrész, térkép, sziget#V-3;", // 41
    "D, G=Felhő, füst#V-3;",                   // 42
    "2, D=Fej (Md, Td)#V-3;",                  // 43
    "1 és 2, D=Négylábú állat#V-3;",           // 44
    // card VIII
    "1, D=Négylábú állat#V-1;",          // 45
    "4, 5, D=Szikla, hegy#V-2;",         // 46
    "2, D=Lepke#V-3;",                   // 47
    "G=Orvosi ábra, belső szervek#V-3;", // 48
    "4, 5, D=Fa, gyökér#V-3;",           // 49
    // card IX
    "1, D=Állatok#V-2;",              // 50
    "1, D=Ember(szerű)#V-3;",         // 51
    "G, Gzw vagy 1, 2, D=Virág#V-3;", // 52
    // card X
    "6, D=Soklábú állat#V-1;",  // 53
    "3, D=Állat#V-2;",          // 54
    "4, D=Négylábú állat#V-3;", // 55
    "Gzw=Arc#V-3;",             // 56
    "G, Gkomb=Virág#V-3;",      // 57
    "5, D=Melltartó#V-3;",      // 58
    "Gkomb=Víziállatok#V-3;",   // 59
    "10, D=Ember#V-3;",         // 60
};
static_assert(std::size(kEntries) == 60);

// First and last entry number (from 1) of each card.
struct CardRange {
    int first;
    int last;
};
constexpr std::array<CardRange, 10> kCardRanges = {{
    {1, 9},
    {10, 17},
    {18, 25},
    {26, 29},
    {30, 33},
    {34, 37},
    {38, 44},
    {45, 49},
    {50, 52},
    {53, 60},
}};

VulgarEntry SplitEntry(std::string_view entry) {
    VulgarEntry split;
    auto equals = entry.find('=');
    auto hash = entry.find('#', equals == std::string_view::npos ? 0 : equals);
    auto semicolon = entry.find(';', hash == std::string_view::npos ? 0 : hash);
    split.location = std::string(entry.substr(0, equals));
    if (equals != std::string_view::npos) {
        split.content =
            std::string(entry.substr(equals + 1, hash == std::string_view::npos ? hash : hash - equals - 1));
    }
    if (hash != std::string_view::npos) {
        split.vulgarClass = std::string(
            entry.substr(hash + 1, semicolon == std::string_view::npos ? semicolon : semicolon - hash - 1));
    }
    return split;
}

} // namespace

std::span<const std::string_view> VulgarCatalogueEntries() {
    return kEntries;
}

std::vector<VulgarEntry> VulgarEntriesOfCard(int card) {
    std::vector<VulgarEntry> entries;
    if (card < 1 || card > 10) {
        return entries;
    }
    auto range = kCardRanges[static_cast<std::size_t>(card - 1)];
    for (int n = range.first; n <= range.last; ++n) {
        entries.push_back(SplitEntry(kEntries[n - 1]));
    }
    return entries;
}

SignCode VulgarClassCode(std::string_view vulgarClass) {
    if (vulgarClass == "V-1") {
        return codes::kV1;
    }
    if (vulgarClass == "V-2") {
        return codes::kV2;
    }
    if (vulgarClass == "V-3") {
        return codes::kV3;
    }
    return 0;
}

std::string VulgarHeading(int card) {
    return "Vulgáris válaszok: " + std::to_string(card) + " tábla";
}

} // namespace quelvarin
