#include "workstation/ScoringDesk.h"

#include "scoring/SignEntry.h"
#include "workstation/Messages.h"
#include "workstation/Stopwatch.h"

#include <limits>
#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;

namespace {

constexpr std::uint8_t kCounterLimit = 255;

// The cards on which "Hd-kompenzálás" (denial of shading) cannot be scored: the coloured ones.
bool IsColourCardForHdKompenzalas(int card) {
    return card == 2 || card == 8 || card == 9 || card == 10;
}

bool IsOriginalityCode(SignCode code) {
    return code >= codes::kOPlus && code <= codes::kOMinus;
}

} // namespace

// --- Answers and cards --------------------------------------------------------------------

bool ScoringDesk::SelectAnswer(int answer, CardChoice choice) {
    if (!IsAnswerNumber(answer)) {
        return false;
    }
    m_session.Select(answer, choice);
    return m_session.CardChoiceWanted();
}

void ScoringDesk::OfferCardChoiceFor(int answer) {
    if (!IsAnswerNumber(answer)) {
        return;
    }
    m_session.Select(answer, CardChoice::HeldBack);
    m_session.SetCardChoice(CardChoiceOffer{m_session.CardToPreselect()});
}

std::optional<fs::path> ScoringDesk::CardGlyph() const {
    int card = m_session.CurrentCard();
    if (!IsCard(card)) {
        return std::nullopt;
    }
    return m_session.Paths().CardGlyphFile(card);
}

bool ScoringDesk::ChooseCard(int card) {
    m_session.NothingRecomputed();
    auto answer = m_session.CurrentAnswer();
    if (!answer) {
        m_session.Notify().Message(messages::kNoAnswerSelected);
        return false;
    }
    if (card < 0 || card > kCardCount) {
        return false;
    }
    auto& stored = m_session.EditProtocol().answer(*answer).card;
    bool changed = stored != card;
    stored = static_cast<std::uint8_t>(card);
    m_session.Select(answer, CardChoice::HeldBack);
    if (changed) {
        m_session.Changed();
        TellAnswerChanged(*answer);
    }
    m_session.Refresh(refresh::kCardChosen);
    return true;
}

std::vector<VulgarEntry> ScoringDesk::CurrentVulgarEntries() const {
    // The lists show the selected answer's card: none before an answer is selected, although
    // CurrentCard starts at 1.
    if (!m_session.CurrentAnswer()) {
        return {};
    }
    return VulgarEntriesOfCard(m_session.CurrentCard());
}

std::string ScoringDesk::CurrentVulgarHeading() const {
    int card = m_session.CurrentCard();
    return m_session.CurrentAnswer() && IsCard(card) ? VulgarHeading(card) : std::string();
}

void ScoringDesk::TellAnswerChanged(int answer) {
    m_session.Tell([answer](SessionObserver& o) { o.AnswerChanged(answer); });
}

// --- Entry paths --------------------------------------------------------------------------

EntryResult ScoringDesk::ClickSignBox(SignCode code) {
    switch (KindOfCode(code)) {
    case SignKind::Location:
        return Enter(code, SignColumn::Locations, std::string(NameOfCode(code)), refresh::kLocationEntered,
                     true);
    case SignKind::Determinant:
        return Enter(code, ColumnOfCode(code), std::string(NameOfCode(code)), refresh::kDeterminantEntered,
                     false);
    case SignKind::Content:
        return Enter(code, SignColumn::Contents, std::string(NameOfCode(code)), refresh::kContentEntered,
                     false);
    default:
        break;
    }
    if (KindOfCode(code) == SignKind::Frequency && m_session.HelpEditMode()) {
        m_session.NothingRecomputed();
        m_session.ShowHelp(code);
        return {EntryOutcome::HelpShown, code};
    }
    if (IsOriginalityCode(code)) {
        // The left button on an O box scores nothing; it only brings O% up to date.
        m_session.Refresh(refresh::kOriginalityEntered);
        return {};
    }
    return Ignored();
}

EntryResult ScoringDesk::ChooseContentsRow(std::string_view name) {
    auto code = CodeOfName(name);
    if (KindOfCode(code) != SignKind::Content) {
        return Ignored();
    }
    return Enter(code, SignColumn::Contents, std::string(NameOfCode(code)), refresh::kContentEntered, false);
}

EntryResult ScoringDesk::ChooseSpecialReactionRow(std::string_view name) {
    auto code = CodeOfName(name);
    if (KindOfCode(code) != SignKind::SpecialReaction) {
        return Ignored();
    }
    return Enter(code, SignColumn::SpecialReactions, std::string(NameOfCode(code)),
                 code == codes::kVersagen ? refresh::kVersagenEntered : refresh::kSpecialReactionEntered,
                 false);
}

EntryResult ScoringDesk::ChooseVulgarRow(std::string_view vulgarClass) {
    auto code = VulgarClassCode(vulgarClass);
    if (code == 0) {
        return Ignored();
    }
    return Enter(code, SignColumn::Frequencies, std::string(vulgarClass), refresh::kVulgarEntered, false);
}

EntryResult ScoringDesk::ChooseOriginalityRow(std::string_view row) {
    auto code = CodeOfName(row);
    if (!IsOriginalityCode(code)) {
        return Ignored();
    }
    return Enter(code, SignColumn::Frequencies, std::string(row), refresh::kOriginalityEntered, false);
}

EntryResult ScoringDesk::RightClickOriginalityBox(SignCode code) {
    if (!IsOriginalityCode(code)) {
        return Ignored();
    }
    return Enter(code, SignColumn::Frequencies, std::string(NameOfCode(code)), refresh::kOriginalityEntered,
                 false);
}

EntryResult ScoringDesk::ChooseLocationTableItem(std::string_view caption) {
    std::string name;
    for (char c : caption) {
        if (c != '&') {
            name.push_back(c);
        }
    }
    auto code = CodeOfName(name);
    if (KindOfCode(code) != SignKind::Location) {
        return Ignored();
    }
    // A location scored from the tables changes the same figures as one scored from its box.
    return Enter(code, SignColumn::Locations, std::string(NameOfCode(code)), refresh::kLocationEntered,
                 false);
}

EntryResult ScoringDesk::Ignored() {
    m_session.NothingRecomputed();
    return {};
}

EntryResult ScoringDesk::Enter(SignCode code, SignColumn column, std::string columnName, RefreshSteps steps,
                               bool playSound) {
    m_session.NothingRecomputed();
    auto& notifier = m_session.Notify();
    if (m_session.HelpEditMode()) {
        m_session.ShowHelp(code);
        return {EntryOutcome::HelpShown, code};
    }
    auto current = m_session.CurrentAnswer();
    if (!current) {
        notifier.Message(messages::kNoAnswerSelected);
        return {EntryOutcome::Refused, code};
    }
    // The card of the answer scored: the location tables may show another card as current.
    int card = m_session.CurrentProtocol().answer(*current).card;
    if (code == codes::kHdKompenzalas &&
        IsColourCardForHdKompenzalas(card != 0 ? card : m_session.CurrentCard())) {
        notifier.Message(messages::kHdKompenzalasOnColourCard);
        return {EntryOutcome::Refused, code};
    }
    auto& protocol = m_session.EditProtocol();
    auto count = protocol.counts[code];
    if (count >= kCounterLimit) {
        notifier.Message(messages::kCounterFull);
        return {EntryOutcome::Refused, code};
    }
    auto slot = AddSign(protocol.answer(*current), code);
    if (!slot) {
        notifier.Message(messages::kSlotsFull);
        return {EntryOutcome::Refused, code};
    }
    m_session.m_columns.Append(column, std::move(columnName));
    protocol.counts.Set(code, static_cast<std::uint8_t>(count + 1));

    EntryResult result{EntryOutcome::Entered, code};
    m_session.m_pendingSubVariant.reset();
    if (code == codes::kFH || code == codes::kDzw) {
        m_session.m_pendingSubVariant =
            Session::PendingSubVariant{*current, static_cast<std::size_t>(*slot), code};
        result.menu = code == codes::kFH ? SubVariantMenu::FH : SubVariantMenu::Dzw;
    }
    if (playSound && m_session.CurrentSoundLanguage() != SoundLanguage::None) {
        auto wav = m_session.Paths().SoundFile(SoundFolder(m_session.CurrentSoundLanguage()), code);
        std::error_code error;
        if (fs::is_regular_file(wav, error)) {
            m_session.Sound().Play(wav);
        }
    }
    m_session.Changed();
    TellAnswerChanged(*current);
    m_session.Refresh(steps);
    return result;
}

bool ScoringDesk::ChooseSubVariant(int item) {
    auto& pendingSubVariant = m_session.m_pendingSubVariant;
    if (!pendingSubVariant || item < 0 || item > 2) {
        return false;
    }
    auto pending = *pendingSubVariant;
    pendingSubVariant.reset();
    auto& slot = m_session.EditProtocol().answer(pending.answer).slots[pending.slot];
    if (slot != pending.parent) {
        return false;
    }
    auto first = pending.parent == codes::kFH ? codes::kFirstFHVariant : codes::kFirstDzwVariant;
    slot = static_cast<SignCode>(first + item);
    m_session.Changed();
    TellAnswerChanged(pending.answer);
    return true;
}

EntryOutcome ScoringDesk::RemoveColumnEntry(SignColumn column, std::size_t index) {
    m_session.NothingRecomputed();
    auto current = m_session.CurrentAnswer();
    if (!current) {
        return EntryOutcome::Ignored;
    }
    auto name = m_session.m_columns.Take(column, index);
    if (!name) {
        return EntryOutcome::Ignored;
    }
    m_session.m_pendingSubVariant.reset();
    auto code = CodeOfName(*name);
    if (code == 0) {
        // The entry is gone from the column; nothing in the answer or the tally changes.
        TellAnswerChanged(*current);
        return EntryOutcome::Ignored;
    }
    auto& protocol = m_session.EditProtocol();
    auto slot = RemoveSign(protocol.answer(*current), code);
    if (!slot) {
        // The counter stays: lowering it for a sign the answer does not hold would corrupt the
        // tally. The columns show the answer as it is.
        m_session.Notify().Message(messages::kNothingToRemove);
        m_session.RebuildColumns();
        TellAnswerChanged(*current);
        return EntryOutcome::Refused;
    }
    if (auto count = protocol.counts[code]; count > 0) {
        protocol.counts.Set(code, static_cast<std::uint8_t>(count - 1));
    }
    m_session.Changed();
    TellAnswerChanged(*current);
    m_session.Refresh(refresh::kSignRemoved);
    return EntryOutcome::Entered;
}

// --- Card times ---------------------------------------------------------------------------

bool ScoringDesk::SetCardTime(TimeBox box, int value) {
    int card = m_session.CurrentCard();
    if (!IsCard(card) || value < 0) {
        return false;
    }
    auto time = m_session.CurrentProtocol().cardTime(card);
    bool fits = true;
    auto carry = [value, &fits](std::int32_t& minutes, std::int32_t& seconds) {
        if (minutes > std::numeric_limits<std::int32_t>::max() - value / 60) {
            fits = false;
            return;
        }
        minutes += value / 60;
        seconds = value % 60;
    };
    switch (box) {
    case TimeBox::ReactionMinutes:
        time.reactionMinutes = value;
        break;
    case TimeBox::ReactionSeconds:
        carry(time.reactionMinutes, time.reactionSeconds);
        break;
    case TimeBox::CardMinutes:
        time.cardMinutes = value;
        break;
    case TimeBox::CardSeconds:
        carry(time.cardMinutes, time.cardSeconds);
        break;
    }
    if (!fits) {
        return false;
    }
    auto& stored = m_session.EditProtocol().cardTime(card);
    if (stored == time) {
        return true;
    }
    stored = time;
    m_session.Changed();
    m_session.Tell([card](SessionObserver& o) { o.CardTimesChanged(card); });
    return true;
}

bool ScoringDesk::WriteStopwatchTime(bool reaction, int runningSeconds) {
    if (!IsCard(m_session.CurrentCard()) || runningSeconds < 0) {
        return false;
    }
    auto split = SplitSeconds(runningSeconds);
    SetCardTime(reaction ? TimeBox::ReactionMinutes : TimeBox::CardMinutes, split.minutes);
    return SetCardTime(reaction ? TimeBox::ReactionSeconds : TimeBox::CardSeconds, split.seconds);
}

// --- Answer texts -------------------------------------------------------------------------

bool ScoringDesk::StoreAnswerText(int answer, const AnswerText& text) {
    if (!IsAnswerNumber(answer)) {
        return false;
    }
    if (m_session.AnswerTextOf(answer) == text) {
        return true;
    }
    auto& texts = m_session.Texts();
    if (!texts.Write(answer, text)) {
        m_session.Notify().Warning(messages::CannotWrite(texts.Where(answer)));
        return false;
    }
    if (m_session.AnswerTextPending(answer)) {
        m_session.m_pendingText.reset(); // what was typed is replaced by the text stored
    }
    m_session.Changed();
    m_session.Tell([answer](SessionObserver& o) { o.AnswerTextChanged(answer); });
    return true;
}

} // namespace quelvarin
