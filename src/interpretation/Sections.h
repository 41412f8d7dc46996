#pragma once

#include "interpretation/Context.h"
#include "interpretation/TextOut.h"

// The five section writers of the narrative interpretation, in the order the run calls them.
namespace quelvarin::interpretation {

void WriteFormLevelInterpretation(const Context& context, TextOut& out);
void WriteSpecialReactions(const Context& context, TextOut& out);
void WriteContentInterpretation(const Context& context, TextOut& out);
void WriteColourInterpretation(const Context& context, TextOut& out);
void WriteExperienceTypeAnalysis(const Context& context, TextOut& out);

} // namespace quelvarin::interpretation
