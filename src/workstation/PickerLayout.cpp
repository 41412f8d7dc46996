#include "workstation/PickerLayout.h"

#include "model/SignNames.h"

#include <array>

namespace quelvarin::picker {
namespace {

constexpr PageInfo kPages[] = {
    {Page::Locations, "felfogásmód", "ft.hlp"},
    {Page::Determinants, "determinánsok", "det.hlp"},
    {Page::Contents, "tartalmak", "tart.hlp"},
    {Page::Frequencies, "gyakoriság", "gyak.hlp"},
    {Page::SpecialReactions, "kül.reakciók", "kulre.hlp"},
};

constexpr SignCode kLocationRow1[] = {Sign("G"),  Sign("D"),       Sign("Dd"),
                                      Sign("Do"), Sign("G komb."), Sign("Gzw")};
constexpr SignCode kLocationRow2[] = {Sign("DG komb."), Sign("DG konf."), Sign("DG kont."), Sign("DzwG")};
constexpr SignCode kLocationRow3[] = {Sign("Dzw"), Sign("Ddzw"), Sign("zw")};
constexpr std::span<const SignCode> kLocationRows[] = {kLocationRow1, kLocationRow2, kLocationRow3};

constexpr SignCode kVulgarBoxes[] = {Sign("V-1"), Sign("V-2"), Sign("V-3"), Sign("V%")};
constexpr SignCode kOriginalityBoxes[] = {Sign("O+"), Sign("O+/-"), Sign("O-"), Sign("O%")};
constexpr std::string_view kOriginalityRows[] = {"O+", "O+/-", "O-"};

} // namespace

std::span<const PageInfo> Pages() {
    return kPages;
}

std::span<const std::span<const SignCode>> LocationRows() {
    return kLocationRows;
}

SignCode ContentBoxAt(int column, int row) {
    if (column < 0 || column >= kContentColumns || row < 0 || row >= kContentRows) {
        return 0;
    }
    return static_cast<SignCode>(codes::kFirstContent + column * kContentRows + row);
}

std::span<const SignCode> VulgarBoxes() {
    return kVulgarBoxes;
}

std::span<const SignCode> OriginalityBoxes() {
    return kOriginalityBoxes;
}

std::span<const std::string_view> OriginalityRows() {
    return kOriginalityRows;
}

} // namespace quelvarin::picker
