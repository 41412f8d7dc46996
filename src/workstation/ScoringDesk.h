#pragma once

#include "model/AnswerTextStore.h"
#include "model/SymbolCatalogue.h"
#include "model/VulgarCatalogue.h"
#include "workstation/PsychogramView.h"
#include "workstation/Session.h"
#include "workstation/Stopwatch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

enum class EntryOutcome {
    Entered,   // the sign is in the answer and counted
    Refused,   // a rule refused it; the message was shown
    Ignored,   // nothing to do (an unknown name, a box that scores nothing)
    HelpShown, // HelpEditMode: the sign's help texts were shown instead
};

// The menu that follows an entry of 149 "FH" or 410 "Dzw".
enum class SubVariantMenu { None, FH, Dzw };

struct EntryResult {
    EntryOutcome outcome = EntryOutcome::Ignored;
    SignCode code = 0;
    SubVariantMenu menu = SubVariantMenu::None;
};

// The four time boxes of the timing panel.
enum class TimeBox { ReactionMinutes, ReactionSeconds, CardMinutes, CardSeconds };

// The examiner's scoring desk: answers and cards, every entry path, removal, sub-variants,
// the card times, the sounds and the answer texts.
class ScoringDesk {
public:
    explicit ScoringDesk(Session& session) : m_session(session), m_stopwatch(session.Time()) {}

    const Session& State() const { return m_session; }

    // --- Answers and cards ----------------------------------------------------------------
    // Selecting an answer: CurrentCard follows it and its SignColumns are rebuilt. True when
    // the card-choice window should open (the answer has no card yet and the choice is offered).
    bool SelectAnswer(int answer, CardChoice choice = CardChoice::Offer);
    bool CardChoiceWanted() const { return m_session.CardChoiceWanted(); }
    // A click on the card list: the answer is selected and the card choice offered, once,
    // preselecting the answer's card, or the card of the answer selected before when it has
    // none.
    void OfferCardChoiceFor(int answer);
    // The card-choice window closed without a choice: the answer keeps its card.
    void CloseCardChoice() { m_session.SetCardChoice(std::nullopt); }
    // Card-choice item k: 0 "válasz törlése", 1..10 "k. táblán". False when refused.
    bool ChooseCard(int card);
    // The picture of CurrentCard that the "lok" button shows; nothing for card 0.
    std::optional<std::filesystem::path> CardGlyph() const;
    // Every figure of the sign picker and its hints, as they stand.
    PsychogramView Psychogram() const { return BuildPsychogramView(m_session); }
    // The vulgar entries of the current card and their heading ("" and none for card 0).
    std::vector<VulgarEntry> CurrentVulgarEntries() const;
    std::string CurrentVulgarHeading() const;

    // --- Entry paths (each scores CurrentAnswer) --------------------------------------------
    // A location, determinant or content box; a left click on an O box only recomputes O%.
    EntryResult ClickSignBox(SignCode code);
    // A row of the alphabetical contents list.
    EntryResult ChooseContentsRow(std::string_view name);
    // A row of the special-reaction list.
    EntryResult ChooseSpecialReactionRow(std::string_view name);
    // A row of the vulgar lists, by its class "V-1", "V-2" or "V-3".
    EntryResult ChooseVulgarRow(std::string_view vulgarClass);
    // A row of the originality list "O+", "O+/-", "O-".
    EntryResult ChooseOriginalityRow(std::string_view row);
    // The right mouse button on the box O +, O +/- or O - (297, 298, 299).
    EntryResult RightClickOriginalityBox(SignCode code);
    // An item of the location-tables popup; every "&" of the caption is dropped.
    EntryResult ChooseLocationTableItem(std::string_view caption);
    // Item 0..2 of the menu after an FH or Dzw entry: replaces the just-stored 149 or 410 by
    // its sub-variant. False when no such entry is pending.
    bool ChooseSubVariant(int item);

    // Removal of entry `index` of a SignColumn (double click or "töröld !").
    EntryOutcome RemoveColumnEntry(SignColumn column, std::size_t index);

    // Recomputes every figure, as a load does.
    void RefreshEverything() { m_session.Refresh(refresh::kProtocolLoaded); }

    // --- Card times -----------------------------------------------------------------------
    // A time box changed: the value is stored for CurrentCard; seconds of 60 and more carry
    // into the minutes. False (nothing stored) while CurrentCard is 0 or for a negative value.
    bool SetCardTime(TimeBox box, int value);
    // The stopwatch's running seconds written as reaction or card time: minutes and seconds.
    bool WriteStopwatchTime(bool reaction, int runningSeconds);
    bool WriteStopwatchTime(bool reaction) {
        return WriteStopwatchTime(reaction, m_stopwatch.RunningSeconds());
    }
    // "s&tart" and "reset" of the stopwatch, and the seconds its box shows.
    void StartStopwatch() { m_stopwatch.Start(); }
    void ResetStopwatch() { m_stopwatch.Reset(); }
    int StopwatchSeconds() const { return m_stopwatch.RunningSeconds(); }

    // --- Sounds -------------------------------------------------------------------------------
    void SetSoundLanguage(SoundLanguage language) { m_session.SetSoundLanguage(language); }

    // --- Answer texts -----------------------------------------------------------------------
    AnswerText AnswerTextOf(int answer) const { return m_session.AnswerTextOf(answer); }
    // The file of an answer's text, as the answer-text window shows it.
    std::string AnswerTextPlace(int answer) const { return m_session.AnswerTextPlace(answer); }
    // The text of the selected answer as the examiner types it: part of the protocol's unsaved
    // changes at once, written to its file when another answer is selected, before the protocol
    // is saved, replaced or ended, and when the window says the typing ended. False for another
    // answer than the selected one (nothing kept).
    bool EditAnswerText(int answer, AnswerText text) {
        return m_session.EditAnswerText(answer, std::move(text));
    }
    // The typing ended (the window lost the focus or was hidden): the text goes to its file.
    bool CommitAnswerText() { return m_session.CommitAnswerText(); }
    // The text of an answer written to its file at once, in place of anything typed for it (a
    // scripted session). False (nothing written) for no answer, or when the file cannot be
    // written (the examiner is told).
    bool StoreAnswerText(int answer, const AnswerText& text);

private:
    EntryResult Ignored();
    EntryResult Enter(SignCode code, SignColumn column, std::string columnName, RefreshSteps steps,
                      bool playSound);
    void TellAnswerChanged(int answer);

    Session& m_session;
    Stopwatch m_stopwatch;
};

} // namespace quelvarin
