#include "model/ContentsOrder.h"

#include "model/SignNames.h"

#include <array>
#include <cstddef>

namespace quelvarin {
namespace {

// clang-format off
constexpr std::array<SignCode, 52> kContentsInAlphabeticalOrder = {
    Sign("Absztr."),
    Sign("Álarc I"),
    Sign("Álarc II"),
    Sign("Álarc III"),
    Sign("Amorf"),
    Sign("Anat."),
    Sign("Architek"),
    Sign("Asztron."),
    Sign("Barlang"),
    Sign("Ennivaló"),
    Sign("Explózió"),
    Sign("Felhő"),
    Sign("Festmény"),
    Sign("Füst"),
    Sign("Geomet."),
    Sign("Hegy"),
    Sign("Illusztr."),
    Sign("Jármű"),
    Sign("Jég"),
    Sign("Jel"),
    Sign("Karikat."),
    Sign("Kő"),
    Sign("M"),
    Sign("(M)"),
    Sign("Matéria"),
    Sign("Md"),
    Sign("Md Obj."),
    Sign("Myth."),
    Sign("Obj."),
    Sign("Ornament."),
    Sign("Pfl."),
    Sign("Rtg."),
    Sign("Ruha"),
    Sign("Sacrum"),
    Sign("Sár"),
    Sign("Szakadék"),   // sz is a letter after s
    Sign("Szcéna"),
    Sign("Szem"),
    Sign("Szex"),
    Sign("Szikla"),
    Sign("Szimból."),
    Sign("Szín"),
    Sign("Szobor"),
    Sign("Szörny"),
    Sign("T"),
    Sign("Táj"),
    Sign("Td"),
    Sign("Térkép"),
    Sign("Tőr"),
    Sign("Tűz"),
    Sign("Vér"),
    Sign("Víz"),
};
// clang-format on

// Every content exactly once: a name dropped or doubled while proofreading stops the build.
consteval bool HoldsEveryContentOnce() {
    std::array<int, codes::kLastContent - codes::kFirstContent + 1> seen{};
    if (kContentsInAlphabeticalOrder.size() != seen.size()) {
        return false;
    }
    for (SignCode code : kContentsInAlphabeticalOrder) {
        if (code < codes::kFirstContent || code > codes::kLastContent) {
            return false;
        }
        if (seen[static_cast<std::size_t>(code - codes::kFirstContent)]++ != 0) {
            return false;
        }
    }
    return true;
}
static_assert(HoldsEveryContentOnce(), "the alphabetical contents list must hold each content once");

} // namespace

std::span<const SignCode> ContentsInAlphabeticalOrder() {
    return kContentsInAlphabeticalOrder;
}

} // namespace quelvarin
