#include "model/SpecialReactions.h"

#include "platform/Utf8.h"

#include <array>

namespace quelvarin {
namespace {

using catalogue::kSpecialReactions;
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
