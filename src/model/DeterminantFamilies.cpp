#include "model/DeterminantFamilies.h"

#include "model/SignNames.h"
#include "model/SymbolCatalogue.h"

#include <initializer_list>

namespace quelvarin {
namespace {

// Stem index 0..10 in the order F, B, B sec, B klein, BF, b, FFb, FHd, F(Fb), aFFb, nFFb.
enum Stem { F, B, BSec, BKlein, BF, b, FFb, FHd, FFbParen, aFFb, nFFb };

// The three form levels of each stem, followed by the codes without a form level.
DeterminantFamily Family(std::string_view heading, std::initializer_list<Stem> stems,
                         std::initializer_list<SignCode> without) {
    DeterminantFamily family{heading, {}};
    for (Stem stem : stems) {
        for (int level = 0; level < 3; ++level) {
            family.members.push_back(static_cast<SignCode>(codes::kFirstDeterminant + 11 * level + stem));
        }
    }
    family.members.insert(family.members.end(), without);
    return family;
}

const std::vector<DeterminantFamily>& Families() {
    static const std::vector<DeterminantFamily> families = {
        Family("Formaválaszok", {F}, {}),
        Family("Mozgásélmény", {B, BSec}, {}),
        Family("Mozgásképzet", {BKlein, BF, b}, {codes::kAsszocB, codes::kAbsztrB}),
        Family("Színválaszok", {FFb}, {Sign("FbF"), Sign("Fb"), Sign("Fbn")}),
        Family("Árnyékolás-válaszok", {FHd, FFbParen}, {Sign("HdF"), Sign("Hd")}),
        Family("Akromat.-színválaszok", {aFFb, nFFb}, {Sign("nFbF"), Sign("nFb"), Sign("aFbF"), Sign("aFb")}),
    };
    return families;
}

} // namespace

std::span<const DeterminantFamily> DeterminantFamilies() {
    return Families();
}

} // namespace quelvarin
