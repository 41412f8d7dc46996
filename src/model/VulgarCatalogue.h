#pragma once

#include "model/SignCode.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// One vulgar answer of the frequency page, split from its entry "location=content#class;".
struct VulgarEntry {
    std::string location;
    std::string content;
    std::string vulgarClass; // "V-1", "V-2" or "V-3"
};

// The 60 entries as written, card I first.
std::span<const std::string_view> VulgarCatalogueEntries();

// The entries of card 1..10 (none for any other card), split.
std::vector<VulgarEntry> VulgarEntriesOfCard(int card);

// 293, 294, 295 for "V-1", "V-2", "V-3"; 0 for any other text.
SignCode VulgarClassCode(std::string_view vulgarClass);

// The heading above the lists: "Vulgáris válaszok: 3 tábla".
std::string VulgarHeading(int card);

} // namespace quelvarin
