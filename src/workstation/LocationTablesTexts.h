#pragma once

#include "model/SymbolCatalogue.h"
#include "platform/NumberFormat.h"

#include <array>
#include <string>
#include <string_view>

// The location tables window: a card's picture with its numbered locations.
namespace quelvarin::window_texts {

inline constexpr std::string_view kLocationTablesDesignCaption = "Lokalizációs táblák";
inline constexpr std::string_view kCardsMenu = "táblák";
inline constexpr std::string_view kLocationListName = "lokalizációk";
inline constexpr std::string_view kCardPictureName = "a tábla képe";

// The three fixed labels above the situation sentence (the blanks are the program's own).
inline constexpr std::array<std::string_view, 3> kSituationLabels = {
    "felszólító jelleg:",
    "A táblára adott válaszok minősége és kapcsolódása, valamint a táblára adott különleges",
    "reakciók  megmutatják, hogyan oldotta meg a v. sz. a jelentésadási feladatot . . .",
};

// The kind of situation each card I..X represents.
inline constexpr std::array<std::string_view, 10> kSituationSentences = {
    ". . . új helyzetben.",
    ". . . szexus és affektus együttes mozgósításában.",
    ". . . önismeretet és szociabilitást igénylő helyzetben.",
    ". . . az autoritástól való szorongás helyzetében.",
    ". . . a valóságérzéket kiemelő helyzetben.",
    ". . . a szexualitást kiemelő helyzetben.",
    ". . . agresszív mozgósítás esetében.",
    ". . . érzelmi kötődésnél.",
    ". . . képességeket és erőfeszítést igénylő helyzetben.",
    ". . . az élettér kiaknázása során.",
};

// "IV. tábla": the item of the "táblák" menu for card 1..10.
inline std::string CardMenuItem(int card) {
    return std::string(CardName(card)) + " tábla";
}
// Its control name: "IVtbla1".
inline std::string CardMenuItemName(int card) {
    auto numeral = CardName(card);
    return std::string(numeral.substr(0, numeral.size() - 1)) + "tbla1";
}
// The card title box: " IV. tábla".
inline std::string CardTitle(int card) {
    // Appended rather than " " + ...: GCC 12's -O3 sees a false overlap in the latter.
    std::string title(" ");
    title += CardMenuItem(card);
    return title;
}
// The window's caption once a card is loaded: "4. tábla lokalizációi".
inline std::string LocationsCaption(int card) {
    return FormatInteger(card) + ". tábla lokalizációi";
}

inline std::string LocationListUnreadable(std::string_view path) {
    return "A(z) „" + std::string(path) +
           "” lokalizációs lista nem olvasható!!! Az ablak a korábbi táblát mutatja.";
}
inline std::string PictureUnreadable(std::string_view path, std::string_view reason) {
    return "A(z) „" + std::string(path) + "” kép nem olvasható: " + std::string(reason) +
           ". Az ablak a korábbi képet mutatja.";
}

} // namespace quelvarin::window_texts
