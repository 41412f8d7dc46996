#pragma once

#include "indices/SzenziPara.h"
#include "model/AnswerTextStore.h"
#include "model/Protocol.h"
#include "model/SignHelpTexts.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/InstallPaths.h"
#include "platform/Notifier.h"
#include "scoring/Apprehension.h"
#include "scoring/ContentFigures.h"
#include "scoring/Typologies.h"
#include "workstation/PendingEdit.h"
#include "workstation/RefreshSteps.h"
#include "workstation/SessionObserver.h"
#include "workstation/SignColumns.h"
#include "workstation/SoundPlayer.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quelvarin {

enum class SoundLanguage { None, Magyar, Angol };
// The folder of hangok/ for a language: "magyar", "angol"; "" for none.
std::string_view SoundFolder(SoundLanguage language);

// The two sign help files: the scoring help (jelol.dbf) and the interpretation help (ert.dbf).
enum class HelpFile { Scoring, Interpretation };

// Whether selecting an answer without a card asks for its card.
enum class CardChoice { Offer, HeldBack };

// The card choice offered for the selected answer, with the card it preselects: the answer's
// own card, or for an answer without one the card of the answer selected before (0: none).
struct CardChoiceOffer {
    int preselected = 0;
    bool operator==(const CardChoiceOffer&) const = default;
};

// The figures of the main window, kept current by the refresh steps.
struct PsychogramFigures {
    ApprehensionFigures apprehension;
    bool apprehensionBuilt = false; // the "FT:" label shows its placeholder until then
    ContentFigures contents;
    Typologies typologies;
    // For each card I..X the answers given to it, as recounted at the last load or card choice.
    std::array<int, kCardCount> answersPerCard{};
};

// The one current Protocol with the window-level state around it: the selection, the modes,
// the services and the modified flag. The windows read it; every change goes through a desk
// (ScoringDesk, ProtocolFilesDesk ...), which raises the change events to the observers.
class Session {
public:
    struct Services {
        InstallPaths paths;
        Notifier& notifier;
        AnswerTextStore& texts;
        SoundPlayer& sound;
        const Clock& clock;
        FileChooser& chooser;
    };

    static constexpr SignCode kNoHelpCode = 9999;

    // The start-up state: an empty Protocol (all cards 0, all counters 0, no date, age 0),
    // nothing selected, CurrentCard 1; the two sign help files are read.
    explicit Session(Services services);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Observers are told in the order they were added; the desks add themselves first.
    void AddObserver(SessionObserver& observer);
    void RemoveObserver(SessionObserver& observer);
    // A desk that keeps an edit until it is stored; settled before the program ends.
    void AddPendingEdit(PendingEdit& edit);

    const Protocol& CurrentProtocol() const { return m_protocol; }
    const InstallPaths& Paths() const { return m_paths; }
    std::optional<int> CurrentAnswer() const { return m_currentAnswer; }
    int CurrentCard() const { return m_currentCard; }
    bool ProtocolStarted() const { return m_protocolStarted; }
    // Something changed since the protocol was made new, opened or saved.
    bool Modified() const { return m_modified; }
    bool HelpEditMode() const { return m_helpEditMode; }
    SoundLanguage CurrentSoundLanguage() const { return m_soundLanguage; }
    SignCode LastHelpCode() const { return m_lastHelpCode; }
    const SignColumns& Columns() const { return m_columns; }
    // The card-choice window is to be open for the selected answer.
    const std::optional<CardChoiceOffer>& CardChoiceOffered() const { return m_cardChoice; }
    bool CardChoiceWanted() const { return m_cardChoice.has_value(); }
    const PsychogramFigures& Figures() const { return m_figures; }
    // What the last scoring operation recomputed (nothing when it was refused or ignored).
    RefreshSteps LastRefresh() const { return m_lastRefresh; }
    const SignHelpTexts& HelpFiles() const { return m_help; }
    // What the sensitivity-paranoia index showed at its last computation for this protocol
    // (nothing after it was replaced, until the index is computed again).
    const szenzipara::Standing& SensitivityParanoia() const { return m_sensitivityParanoia; }
    // The texts of the answers, the one being typed included.
    AnswerText AnswerTextOf(int answer) const;
    AnswerTexts AllAnswerTexts() const;
    // Where an answer's text is kept, as the answer-text window shows it ("" in memory).
    std::string AnswerTextPlace(int answer) const {
        return IsAnswerNumber(answer) ? m_texts.Where(answer) : "";
    }
    // The text of this answer is typed and not yet in its file.
    bool AnswerTextPending(int answer) const { return m_pendingText && m_pendingText->answer == answer; }
    // When a change not yet in the recovery copy must be written at the latest.
    std::optional<std::chrono::milliseconds> RecoveryWriteDue() const { return m_recoveryDue; }

private:
    friend class ScoringDesk;
    friend class ProtocolFilesDesk;
    friend class PersonalDataDesk;
    friend class SignHelpDesk;
    friend class ReportsDesk;
    friend class IndicesDesk;
    friend class StatisticsDesk;
    friend class JointDesk;
    friend class ProtocolLifecycle;
    friend class TopicHelpDesk;
    friend class TextFileDesk;
    friend class LocationTablesDesk;
    friend class StatisticsFilesDesk;
    // The tests' way to change the protocol behind the desks' backs (stale figures, damaged
    // tallies): tests/support/SessionTestAccess.h.
    friend struct SessionTestAccess;

    struct PendingSubVariant {
        int answer = 0;
        std::size_t slot = 0;
        SignCode parent = 0;
    };
    struct PendingAnswerText {
        int answer = 0;
        AnswerText text;
    };

    // --- For the desks ---------------------------------------------------------------------
    Notifier& Notify() { return m_notifier; }
    AnswerTextStore& Texts() { return m_texts; }
    SoundPlayer& Sound() { return m_sound; }
    const Clock& Time() const { return m_clock; }
    FileChooser& Chooser() { return m_chooser; }
    Protocol& EditProtocol() { return m_protocol; }

    // After every change to the protocol: the modified flag goes on, the protocol counts as
    // started, and the recovery copy is due within a second.
    void Changed();
    void SetModified(bool modified);
    // The recovery copy is up to date.
    void RecoveryWritten() { m_recoveryDue.reset(); }

    // Recomputes the figure groups of the steps and tells the observers.
    void Refresh(RefreshSteps steps);
    // The figure groups of the steps were recomputed by an operation of their own.
    void Recomputed(RefreshSteps steps);
    // A scoring operation that recomputed nothing.
    void NothingRecomputed() { m_lastRefresh = {}; }

    // Selects an answer (CurrentCard follows it and its SignColumns are rebuilt), or none. The
    // text typed for the answer selected so far is stored first.
    void Select(std::optional<int> answer, CardChoice choice);
    // Offers the card choice for the selected answer, or takes the offer back.
    void SetCardChoice(std::optional<CardChoiceOffer> offer);
    // The card the choice preselects for the selected answer: its own, or for an answer without
    // one the card of the answer selected before it.
    int CardToPreselect() const { return m_currentCard != 0 ? m_currentCard : m_cardBefore; }
    void SetCurrentCard(int card);
    void RebuildColumns();
    // Makes `protocol` the current one: nothing selected but what `select` says, every figure
    // recomputed, the modified flag off. A text still being typed belonged to the protocol
    // replaced and goes with it.
    void Replace(Protocol protocol, ProtocolSource source, std::optional<int> select);

    // The text of the selected answer as it is typed: kept, and counted as a change, until it
    // is stored. False (nothing kept) for another answer than the selected one.
    bool EditAnswerText(int answer, AnswerText text);
    // Writes the typed text to its file. False, with the examiner told, when it cannot be
    // written: the text stays typed.
    bool CommitAnswerText();
    // Every edit not yet stored, before the program ends: the typed answer text, the sign help
    // (offered for storing), and the edits the other desks keep.
    void SettleEdits();

    void SetHelpEditMode(bool on);
    void SetSoundLanguage(SoundLanguage language);
    // Shows a sign's help texts; an edit of the texts shown until now that was not stored is
    // stored first if the examiner wants it.
    void ShowHelp(SignCode code);
    // The mouse over a sign: its texts are shown when it is another sign than the one shown
    // last, never in HelpEditMode (where clicks choose the sign).
    std::optional<HelpTexts> HoverHelp(SignCode code);
    void ClearHelp();
    HelpTexts HelpTextsOf(SignCode code) const;
    // The help windows' texts as edited and not yet stored.
    void EditHelp(HelpFile file, std::vector<std::string> lines);
    bool StoreHelp(HelpFile file, const std::vector<std::string>& lines);
    void ResolveHelpEdits();

    const szenzipara::Standing& ComputeSensitivityParanoia();

    template <typename Event>
    void Tell(Event event) {
        for (auto* observer : m_observers) {
            event(*observer);
        }
    }

    InstallPaths m_paths;
    Notifier& m_notifier;
    AnswerTextStore& m_texts;
    SoundPlayer& m_sound;
    const Clock& m_clock;
    FileChooser& m_chooser;
    std::vector<SessionObserver*> m_observers;
    std::vector<PendingEdit*> m_pendingEdits;

    Protocol m_protocol;
    std::optional<int> m_currentAnswer;
    int m_currentCard = 1;
    int m_cardBefore = 1; // CurrentCard before the selected answer was selected
    bool m_protocolStarted = false;
    bool m_modified = false;
    bool m_helpEditMode = false;
    SoundLanguage m_soundLanguage = SoundLanguage::None;
    SignCode m_lastHelpCode = kNoHelpCode;
    SignColumns m_columns;
    std::optional<CardChoiceOffer> m_cardChoice;
    std::optional<PendingSubVariant> m_pendingSubVariant;
    std::optional<PendingAnswerText> m_pendingText;
    std::optional<std::chrono::milliseconds> m_recoveryDue;

    RefreshSteps m_lastRefresh;
    PsychogramFigures m_figures;
    SignHelpTexts m_help;
    std::array<std::optional<std::vector<std::string>>, 2> m_helpEdits;
    szenzipara::Standing m_sensitivityParanoia;
};

} // namespace quelvarin
