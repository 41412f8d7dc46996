#include "joint/InteractionSigns.h"

#include <algorithm>

namespace quelvarin::joint {

const std::array<InteractionSign, kSignCount>& InteractionSigns() {
    using G = BehaviourGroup;
    using C = SignColumn;
    static constexpr std::array<InteractionSign, kSignCount> signs = {{
        {1, "Független indítás", ">-", G::ND, C::Opening},
        {2, "Indító javaslat", ">+", G::CD, C::Opening},
        {3, "Indító kérdés", ">?", G::CD, C::Opening},
        {4, "Indító felszólítás", ">H", G::CI, C::Opening},
        {5, "Indító bizonytalanság", ">O", G::OI, C::Opening},
        {6, "Indító zavar", ">Y", G::OI, C::Opening},
        {7, "Tartalmatlan indítás", ">X", G::CI, C::Opening},
        {8, "Kérdés", "?", G::CD, C::Bargaining},
        {9, "Tisztázó magyarázat", "$", G::CD, C::Bargaining},
        {10, "Független válaszajánlás", "-", G::ND, C::Bargaining},
        {11, "Részletezés", "#", G::OD, C::Bargaining},
        {12, "Visszatérés a saját javaslathoz", "@", G::ND, C::Bargaining},
        {13, "Visszatérés a partner javaslatához", "@*", G::CI, C::Bargaining},
        {14, "Továbbszövés", "&", G::CD, C::Bargaining},
        {15, "Felszólítás", "H", G::CI, C::Bargaining},
        {16, "Korrigálás", "%", G::OI, C::Bargaining},
        {17, "Kritika", "*", G::OD, C::Bargaining},
        {18, "Tagadás", "N", G::OD, C::Bargaining},
        {19, "Bizonytalanság", "O", G::OI, C::Bargaining},
        {20, "Zavar", "Y", G::OI, C::Bargaining},
        {21, "Dicséret", "L", G::CD, C::Bargaining},
        {22, "Tartalmatlan verbalizáció", "X", G::NI, C::Bargaining},
        {23, "Indulat", "!", G::OD, C::Bargaining},
        {24, "Saját záróválasz", "zvS", G::ND, C::Decision},
        {25, "Záróválasz a partneré", "zvA", G::CI, C::Decision},
        {26, "Közös döntés", "zvW", G::CD, C::Decision},
        {27, "Döntésképtelenség", "zvX", G::OI, C::Decision},
        {28, "Kongruens egyetértés", "=<", G::CD, C::Quality},
        {29, "Passzív beletörődés", "pb", G::OI, C::Quality},
        {30, "Egyetértés haraggal, indulattal", "eh", G::OD, C::Quality},
        {31, "Független döntés", "§<", G::ND, C::Quality},
    }};
    return signs;
}

const InteractionSign* SignByNumber(int number) {
    if (number < 1 || number > static_cast<int>(kSignCount)) {
        return nullptr;
    }
    return &InteractionSigns()[static_cast<std::size_t>(number - 1)];
}

const InteractionSign* SignByCode(std::string_view code) {
    const auto& signs = InteractionSigns();
    auto found =
        std::find_if(signs.begin(), signs.end(), [code](const InteractionSign& s) { return s.code == code; });
    return found != signs.end() ? &*found : nullptr;
}

std::string_view ColumnCaption(SignColumn column) {
    switch (column) {
    case SignColumn::Opening:
        return " I. indítás ";
    case SignColumn::Bargaining:
        return " II. alkulépések ";
    case SignColumn::Decision:
        return " III. döntés... ";
    case SignColumn::Quality:
        return "...és minősége ";
    }
    return "";
}

} // namespace quelvarin::joint
