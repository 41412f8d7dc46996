#pragma once

#include "model/Protocol.h"
#include "model/SymbolCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quelvarin {

// The five columns listing the selected answer's signs by display name: a view, rebuilt from
// the answer when it is selected and appended to as signs are entered.
class SignColumns {
public:
    void Clear();
    void Rebuild(const Answer& answer);
    void Append(SignColumn column, std::string name);
    // Removes and returns the entry; nothing for a bad column or index.
    std::optional<std::string> Take(SignColumn column, std::size_t index);

    const std::vector<std::string>& Entries(SignColumn column) const;
    bool operator==(const SignColumns&) const = default;

private:
    static std::size_t Index(SignColumn column) { return static_cast<std::size_t>(column) - 1; }
    static bool Valid(SignColumn column) {
        return column >= SignColumn::Locations && column <= SignColumn::SpecialReactions;
    }
    std::array<std::vector<std::string>, kSignColumnCount> m_entries;
};

} // namespace quelvarin
