#pragma once

#include "model/SignCode.h"
#include "workstation/Session.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// The figures of the sign picker's pages, in page order.
enum class Figure : std::uint8_t {
    // "felfogásmód"
    Answers,      // "Feleletszám:"
    AnswersEarly, // "I. - VII."
    AnswersLate,  // "VIII. - X."
    ColourIndex,  // "Színes index:"
    GSum,
    DSum,
    DdSum,
    ZwSum,
    ApprehensionFormula, // "FT:"
    // "determinánsok"
    FormPlusPercent1,
    FormPlusPercent2,
    ExperienceType,
    SecondaryFormula,
    InnerTension,
    // "tartalmak"
    ContentRangeCount,
    ContentSpread,
    ContentSum,
    HumanPercent,
    AnimalPercent,
    ObjectPercent,
    // "gyakoriság"
    V1,
    V2,
    V3,
    VPercent,
    OPlus,
    OPlusMinus,
    OMinus,
    OPercent,
};
inline constexpr std::size_t kFigureCount = static_cast<std::size_t>(Figure::OPercent) + 1;

// One figure as the main window shows it.
struct FigureText {
    std::string_view caption;   // the label before the value ("FT:")
    std::string value;          // the value as shown (" 2.5: 3.5", "G!-D-(Dd)-")
    std::string hint;           // the hint of the value's box; "" for none
    std::string_view labelHint; // the hint of the caption's label; "" for none
};

// Every text of the psychogram figures, built from the session in one place: the main window
// shows it, and `quelvarin-cli figures` prints it.
struct PsychogramView {
    std::array<FigureText, kFigureCount> figures;
    // The other frequent contents, "  Anat.% : 12": only the filled lines.
    std::vector<std::string> frequentContents;
    // "Vulgáris válaszok: 3 tábla"; "" while the current card is 0.
    std::string vulgarHeading;

    const FigureText& operator[](Figure figure) const { return figures[static_cast<std::size_t>(figure)]; }
};

PsychogramView BuildPsychogramView(const Session& session);

// The sign boxes a figure is computed from, highlighted while the mouse is over it; none for
// the figures without such boxes.
std::span<const SignCode> SourceBoxesOf(Figure figure);
// The hint of a sign box: " összesen " + counter + " ".
std::string SignBoxHint(const Protocol& protocol, SignCode code);
// The hint of the O +, O +/- and O - boxes.
inline constexpr std::string_view kOriginalityBoxHint = "Jobb egérgombbal hozzáad, ballal elvesz.";
// The "FT:" label before the formula is first built.
inline constexpr std::string_view kFormulaPlaceholder = "--------------";

} // namespace quelvarin
