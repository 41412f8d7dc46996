#include "interpretation/Interpretation.h"

#include "interpretation/Context.h"
#include "interpretation/Sections.h"
#include "platform/Cp1250.h"
#include "scoring/AnswerCounts.h"

namespace quelvarin::interpretation {

std::vector<std::string_view> FormLevelTextLines();
std::vector<std::string_view> SpecialReactionTextLines();
std::vector<std::string_view> ContentTextLines();
std::vector<std::string_view> ColourTextLines();
std::vector<std::string_view> ExperienceTypeTextLines();

std::optional<Lines> BuildInterpretation(const Protocol& protocol) {
    if (EffectiveAnswerCount(protocol) == 0) {
        return std::nullopt;
    }
    Context context(protocol);
    TextOut out;
    WriteFormLevelInterpretation(context, out);
    WriteSpecialReactions(context, out);
    WriteContentInterpretation(context, out);
    WriteColourInterpretation(context, out);
    WriteExperienceTypeAnalysis(context, out);
    out.Line("Vége");
    return out.Take();
}

std::string InterpretationBytes(const Lines& lines) {
    return EncodeCp1250(JoinLines(lines));
}

std::vector<std::string_view> AllTextTableLines() {
    std::vector<std::string_view> all;
    for (auto lines : {FormLevelTextLines(), SpecialReactionTextLines(), ContentTextLines(),
                       ColourTextLines(), ExperienceTypeTextLines()}) {
        all.insert(all.end(), lines.begin(), lines.end());
    }
    return all;
}

} // namespace quelvarin::interpretation
