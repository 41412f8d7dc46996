#include "workstation/Session.h"

#include "indices/neiger.h"
#include "model/SymbolCatalogue.h"
#include "scoring/AnswerCounts.h"
#include "workstation/Messages.h"

#include <algorithm>

namespace quelvarin {

namespace {

// A change reaches the recovery copy at the latest this long after it was made.
constexpr std::chrono::milliseconds kRecoveryDelay{1000};

} // namespace

std::string_view SoundFolder(SoundLanguage language) {
    switch (language) {
    case SoundLanguage::Magyar:
        return "magyar";
    case SoundLanguage::Angol:
        return "angol";
    case SoundLanguage::None:
        break;
    }
    return "";
}

Session::Session(Services services)
    : m_paths(std::move(services.paths)), m_notifier(services.notifier), m_texts(services.texts),
      m_sound(services.sound), m_clock(services.clock), m_chooser(services.chooser) {
    m_help.scoring = HelpTextFile(m_paths.ScoringHelpFile());
    m_help.interpretation = HelpTextFile(m_paths.InterpretationHelpFile());
    m_help.scoring.Read();
    m_help.interpretation.Read();
}

void Session::AddObserver(SessionObserver& observer) {
    if (std::find(m_observers.begin(), m_observers.end(), &observer) == m_observers.end()) {
        m_observers.push_back(&observer);
    }
}

void Session::RemoveObserver(SessionObserver& observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), &observer), m_observers.end());
}

void Session::AddPendingEdit(PendingEdit& edit) {
    if (std::find(m_pendingEdits.begin(), m_pendingEdits.end(), &edit) == m_pendingEdits.end()) {
        m_pendingEdits.push_back(&edit);
    }
}

AnswerText Session::AnswerTextOf(int answer) const {
    if (AnswerTextPending(answer)) {
        return m_pendingText->text;
    }
    return IsAnswerNumber(answer) ? m_texts.Read(answer) : AnswerText{};
}

AnswerTexts Session::AllAnswerTexts() const {
    AnswerTexts texts;
    for (int n = 1; n <= kAnswerCount; ++n) {
        texts[static_cast<std::size_t>(n - 1)] = AnswerTextOf(n);
    }
    return texts;
}

bool Session::EditAnswerText(int answer, AnswerText text) {
    if (!m_currentAnswer || *m_currentAnswer != answer) {
        return false;
    }
    if (AnswerTextOf(answer) == text) {
        return true;
    }
    // A text of another answer still unwritten (its file could not be written) is not given up.
    if (m_pendingText && m_pendingText->answer != answer && !CommitAnswerText()) {
        return false;
    }
    m_pendingText = PendingAnswerText{answer, std::move(text)};
    Changed();
    Tell([answer](SessionObserver& o) { o.AnswerTextChanged(answer); });
    return true;
}

bool Session::CommitAnswerText() {
    if (!m_pendingText) {
        return true;
    }
    if (!m_texts.Write(m_pendingText->answer, m_pendingText->text)) {
        m_notifier.Warning(messages::CannotWrite(m_texts.Where(m_pendingText->answer)));
        return false;
    }
    m_pendingText.reset();
    return true;
}

void Session::SettleEdits() {
    CommitAnswerText();
    ResolveHelpEdits();
    for (auto* edit : m_pendingEdits) {
        edit->Settle();
    }
}

void Session::Changed() {
    m_protocolStarted = true;
    if (!m_recoveryDue) {
        m_recoveryDue = m_clock.Now() + kRecoveryDelay;
    }
    SetModified(true);
}

void Session::SetModified(bool modified) {
    if (m_modified == modified) {
        return;
    }
    m_modified = modified;
    Tell([modified](SessionObserver& o) { o.ModifiedChanged(modified); });
}

void Session::Refresh(RefreshSteps steps) {
    m_lastRefresh = steps;
    if (steps.Empty()) {
        return;
    }
    if (steps.Has(RefreshStep::ApprehensionMode)) {
        m_figures.apprehension = BuildApprehensionFormula(m_protocol);
        m_figures.apprehensionBuilt = true;
    }
    if (steps.Has(RefreshStep::AnswerCounts)) {
        CountAnswers(m_protocol);
    }
    if (steps.Has(RefreshStep::DeterminantFigures)) {
        m_figures.typologies = ComputeTypologies(m_protocol);
    }
    if (steps.Has(RefreshStep::ContentFigures)) {
        m_figures.contents = ComputeContentFigures(m_protocol);
    }
    if (steps.Has(RefreshStep::VulgarPercent)) {
        neiger::StoreVulgarPercent(m_protocol);
    }
    if (steps.Has(RefreshStep::OriginalityPercent)) {
        neiger::StoreOriginalityPercent(m_protocol);
    }
    if (steps.Has(RefreshStep::AnswersPerCard)) {
        m_figures.answersPerCard = CountAnswersPerCard(m_protocol);
    }
    Recomputed(steps);
}

void Session::Recomputed(RefreshSteps steps) {
    m_lastRefresh = steps;
    Tell([steps](SessionObserver& o) { o.FiguresRecomputed(steps); });
}

void Session::Select(std::optional<int> answer, CardChoice choice) {
    CommitAnswerText();
    m_pendingSubVariant.reset();
    if (answer != m_currentAnswer) {
        m_cardBefore = m_currentCard;
    }
    m_currentAnswer = answer;
    if (answer) {
        m_currentCard = m_protocol.answer(*answer).card;
    }
    RebuildColumns();
    Tell([](SessionObserver& o) { o.SelectionChanged(); });
    bool offer = answer && m_currentCard == 0 && choice == CardChoice::Offer;
    SetCardChoice(offer ? std::optional<CardChoiceOffer>(CardChoiceOffer{CardToPreselect()}) : std::nullopt);
}

void Session::SetCardChoice(std::optional<CardChoiceOffer> offer) {
    if (!offer && !m_cardChoice) {
        return;
    }
    m_cardChoice = offer;
    Tell([](SessionObserver& o) { o.CardChoiceChanged(); });
}

void Session::SetCurrentCard(int card) {
    if (m_currentCard == card) {
        return;
    }
    m_currentCard = card;
    Tell([](SessionObserver& o) { o.SelectionChanged(); });
}

void Session::RebuildColumns() {
    if (m_currentAnswer) {
        m_columns.Rebuild(m_protocol.answer(*m_currentAnswer));
    } else {
        m_columns.Clear();
    }
}

void Session::Replace(Protocol protocol, ProtocolSource source, std::optional<int> select) {
    m_protocol = std::move(protocol);
    m_protocolStarted = true;
    m_pendingSubVariant.reset();
    m_pendingText.reset();
    // The index shown last was the replaced protocol's; the new one has none until computed.
    m_sensitivityParanoia = {};
    m_currentAnswer = select;
    m_currentCard = select ? m_protocol.answer(*select).card : 1;
    m_cardBefore = 1;
    RebuildColumns();
    Refresh(refresh::kProtocolLoaded);
    m_recoveryDue.reset();
    SetModified(false);
    Tell([source](SessionObserver& o) { o.ProtocolReplaced(source); });
    // Selecting the first answer of a protocol asks for its card as every selection does.
    bool offer = select && m_currentCard == 0;
    SetCardChoice(offer ? std::optional<CardChoiceOffer>(CardChoiceOffer{CardToPreselect()}) : std::nullopt);
}

void Session::SetHelpEditMode(bool on) {
    if (m_helpEditMode == on) {
        return;
    }
    m_helpEditMode = on;
    Tell([](SessionObserver& o) { o.ModeChanged(); });
}

void Session::SetSoundLanguage(SoundLanguage language) {
    if (m_soundLanguage == language) {
        return;
    }
    m_soundLanguage = language;
    Tell([](SessionObserver& o) { o.ModeChanged(); });
}

HelpTexts Session::HelpTextsOf(SignCode code) const {
    return {code, m_help.scoring.Text(code), m_help.interpretation.Text(code)};
}

void Session::ShowHelp(SignCode code) {
    ResolveHelpEdits();
    m_lastHelpCode = code;
    auto texts = HelpTextsOf(code);
    Tell([&texts](SessionObserver& o) { o.HelpTextsShown(texts); });
}

std::optional<HelpTexts> Session::HoverHelp(SignCode code) {
    if (m_helpEditMode || code == m_lastHelpCode) {
        return std::nullopt;
    }
    ShowHelp(code);
    return HelpTextsOf(code);
}

void Session::ClearHelp() {
    ResolveHelpEdits();
    m_lastHelpCode = kNoHelpCode;
    Tell([](SessionObserver& o) { o.HelpTextsCleared(); });
}

void Session::EditHelp(HelpFile file, std::vector<std::string> lines) {
    m_helpEdits[static_cast<std::size_t>(file)] = std::move(lines);
}

bool Session::StoreHelp(HelpFile file, const std::vector<std::string>& lines) {
    auto& help = file == HelpFile::Scoring ? m_help.scoring : m_help.interpretation;
    if (m_lastHelpCode >= HelpTextFile::kLineCount) {
        m_notifier.Message(messages::kNoHelpSignChosen);
        return false;
    }
    if (!help.Store(m_lastHelpCode, lines)) {
        m_notifier.Warning(messages::CannotWrite(help.Path().string()));
        return false;
    }
    m_helpEdits[static_cast<std::size_t>(file)].reset();
    return true;
}

void Session::ResolveHelpEdits() {
    bool edited = m_helpEdits[0] || m_helpEdits[1];
    if (edited && m_lastHelpCode < HelpTextFile::kLineCount &&
        m_notifier.Ask(messages::AskStoreEditedHelp(NameOfCode(m_lastHelpCode)))) {
        for (auto file : {HelpFile::Scoring, HelpFile::Interpretation}) {
            if (auto& lines = m_helpEdits[static_cast<std::size_t>(file)]) {
                StoreHelp(file, *lines);
            }
        }
    }
    m_helpEdits = {};
}

const szenzipara::Standing& Session::ComputeSensitivityParanoia() {
    szenzipara::Recompute(m_protocol, m_sensitivityParanoia);
    return m_sensitivityParanoia;
}

} // namespace quelvarin
