#pragma once

#include "model/SignCode.h"
#include "model/SignNames.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

inline constexpr int kSpecialReactionGroupCount = 15;

// The 159 special reactions in code order (the catalogue's table).
std::span<const SpecialReaction> SpecialReactionTable();

// The caption of group 1..15 ("Jelentésadási tudat" .. "Egyéb reakciók"); "" otherwise.
std::string_view SpecialReactionGroupName(int group);

// The master list, one line per reaction in code order: "109=Annullálás#1;".
std::vector<std::string> SpecialReactionMasterList();

// A row of the special-reaction list: the name shown and, in the hidden list beside it, its code.
struct SpecialReactionRow {
    std::string name;
    SignCode code;
};

// The names of a group, in master-list order.
std::vector<SpecialReactionRow> SpecialReactionsOfGroup(int group);

// The names whose first character is one of the two given characters, in master-list order.
std::vector<SpecialReactionRow> SpecialReactionsByInitial(std::string_view first, std::string_view second);

// The 22 letter tabs of the special-reaction page: caption and the two initials it lists.
struct LetterTab {
    std::string_view caption;
    std::string_view initial;
    std::string_view accentedInitial; // same as initial for the one-letter tabs
};
std::span<const LetterTab> SpecialReactionLetterTabs();

// The rows a letter tab lists; empty for an unknown caption.
std::vector<SpecialReactionRow> SpecialReactionsOfTab(std::string_view caption);

} // namespace quelvarin
