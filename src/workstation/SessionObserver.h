#pragma once

#include "workstation/HelpTexts.h"
#include "workstation/RefreshSteps.h"

namespace quelvarin {

// How the current protocol came to be replaced.
enum class ProtocolSource {
    New,       // "új Ro."
    Opened,    // a protocol file opened
    Recovered, // the recovery copy of an unsaved protocol taken up again
    Batch,     // the last protocol of a batch run or summary export
};

// What the session tells the windows after a change, so that each redraws what changed and
// nothing has to poll. Every event comes after the state it reports is complete.
class SessionObserver {
public:
    virtual ~SessionObserver() = default;

    // The figure groups of these refresh steps were recomputed.
    virtual void FiguresRecomputed(RefreshSteps) {}
    // CurrentAnswer or CurrentCard changed (the SignColumns follow the selected answer).
    virtual void SelectionChanged() {}
    // The card choice was offered for the selected answer, or the offer was taken back.
    virtual void CardChoiceChanged() {}
    // The card, signs, SZEI or transference value of one answer changed.
    virtual void AnswerChanged(int) {}
    // The text of one answer changed.
    virtual void AnswerTextChanged(int) {}
    // The whole protocol was replaced: every window shows the new one.
    virtual void ProtocolReplaced(ProtocolSource) {}
    // A sign's help texts are to be shown in the two help windows.
    virtual void HelpTextsShown(const HelpTexts&) {}
    // The help windows are to be emptied.
    virtual void HelpTextsCleared() {}
    // The modified flag went on or off.
    virtual void ModifiedChanged(bool) {}
    // A field of the personal data changed.
    virtual void PersonalDataChanged() {}
    // The reaction or card time of a card changed.
    virtual void CardTimesChanged(int) {}
    // The ticks of a check list stored in the protocol (Neiger vulgars, supplementary flags)
    // or kept for the run (alcoholism) changed.
    virtual void ChecksChanged() {}
    // HelpEditMode, SoundLanguage or the picture extension of the location tables changed.
    virtual void ModeChanged() {}
    // A window asked for the topic help of its topic.
    virtual void TopicShown() {}
    // The SZEI coding window's tab or mode changed, or the window was asked for.
    virtual void SzeiCodingChanged() {}
};

} // namespace quelvarin
