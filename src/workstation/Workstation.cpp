#include "workstation/Workstation.h"

#include "indices/neiger.h"
#include "interpretation/Interpretation.h"
#include "model/EducationLevels.h"
#include "model/SymbolCatalogue.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "reports/ExaminationSheet.h"
#include "reports/Glossary.h"
#include "reports/ProtocolPage.h"
#include "reports/SheetScales.h"
#include "scoring/AnswerCounts.h"
#include "scoring/SignEntry.h"
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsRow.h"
#include "workstation/Messages.h"

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

Workstation::Workstation(Services services)
    : m_paths(std::move(services.paths)), m_notifier(services.notifier), m_texts(services.texts),
      m_sound(services.sound), m_clock(services.clock),
      m_joint(joint::ReadDescriptions(m_paths.JointSignDescriptionsFile())) {
    m_help.scoring = HelpTextFile(m_paths.ScoringHelpFile());
    m_help.interpretation = HelpTextFile(m_paths.InterpretationHelpFile());
    m_help.scoring.Read();
    m_help.interpretation.Read();
}

// --- Protocol lifecycle -------------------------------------------------------------------

void Workstation::NewProtocol(std::string_view code) {
    ResetToNewProtocol(m_protocol, m_clock.TodayShortDate());
    for (int n = 1; n <= kAnswerCount; ++n) {
        m_texts.Remove(n);
    }
    m_protocol.personal.code = std::string(code);
    m_protocolStarted = true;
    m_currentAnswer.reset();
    m_currentCard = 1;
    m_cardChoiceWanted = false;
    m_pendingSubVariant.reset();
    m_columns.Clear();
    // The new protocol's flags are all 0; a check list still showing the previous subject's
    // ticks would write them into this protocol at the next tick change.
    m_supplementaryChecks = {};
    Refresh(RefreshSteps::All());
}

bool Workstation::LoadProtocol(const fs::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        m_notifier.Message(messages::CannotRead(path.string()));
        return false;
    }
    auto parse = ParseProtocol(*bytes);
    if (!parse) {
        if (parse.error.problem == ProtocolFileProblem::NotQuelvarin) {
            m_notifier.Message(messages::kNotQuelvarin);
        } else {
            m_notifier.Message(
                messages::BadProtocolFile(path.string(), parse.error.line, parse.error.reason));
        }
        return false;
    }
    return Install(std::move(*parse.parsed));
}

bool Workstation::Install(ParsedProtocol parsed) {
    // The texts go first: if one cannot be written the current protocol stays as it was.
    for (int n = 1; n <= kAnswerCount; ++n) {
        if (!m_texts.Write(n, parsed.texts[static_cast<std::size_t>(n - 1)])) {
            m_notifier.Message(messages::CannotWrite(m_texts.Where(n)));
            return false;
        }
    }
    m_protocol = std::move(parsed.protocol);
    if (!KeepOnlyListedEducation(m_protocol.personal.education)) {
        m_notifier.Message(messages::kOnlyFromList);
    }
    m_supplementaryChecks = kieginf::TicksAfterLoad(m_protocol);
    m_protocolStarted = true;
    m_pendingSubVariant.reset();
    SelectAnswer(1);
    Refresh(refresh::kProtocolLoaded);
    return true;
}

std::string Workstation::ProtocolFileBytes() const {
    AnswerTexts texts;
    for (int n = 1; n <= kAnswerCount; ++n) {
        texts[static_cast<std::size_t>(n - 1)] = m_texts.Read(n);
    }
    return SerializeProtocol(m_protocol, texts);
}

bool Workstation::SaveProtocol(const fs::path& path) {
    if (!ReplaceFileAtomically(path, ProtocolFileBytes())) {
        m_notifier.Message(messages::CannotWrite(path.string()));
        return false;
    }
    return true;
}

// --- Answers and cards --------------------------------------------------------------------

bool Workstation::SelectAnswer(int answer) {
    if (!IsAnswerNumber(answer)) {
        return false;
    }
    m_pendingSubVariant.reset();
    m_currentAnswer = answer;
    m_currentCard = m_protocol.answer(answer).card;
    RebuildColumns();
    m_cardChoiceWanted = m_protocol.answer(answer).card == 0 && !m_cardChoiceSuppressed;
    return m_cardChoiceWanted;
}

bool Workstation::ChooseCard(int card) {
    m_lastRefresh = {};
    if (!m_currentAnswer) {
        m_notifier.Message(messages::kNoAnswerSelected);
        return false;
    }
    if (card < 0 || card > kCardCount) {
        return false;
    }
    m_currentCard = card;
    m_protocol.answer(*m_currentAnswer).card = static_cast<std::uint8_t>(card);
    m_cardChoiceWanted = false;
    if (card > 0) {
        SelectAnswer(*m_currentAnswer);
    }
    Refresh(refresh::kCardChosen);
    return true;
}

std::vector<VulgarEntry> Workstation::CurrentVulgarEntries() const {
    return VulgarEntriesOfCard(m_currentCard);
}

std::string Workstation::CurrentVulgarHeading() const {
    return IsCard(m_currentCard) ? VulgarHeading(m_currentCard) : std::string();
}

void Workstation::RebuildColumns() {
    if (m_currentAnswer) {
        m_columns.Rebuild(m_protocol.answer(*m_currentAnswer));
    } else {
        m_columns.Clear();
    }
}

// --- Entry paths --------------------------------------------------------------------------

EntryResult Workstation::ClickSignBox(SignCode code) {
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
    if (KindOfCode(code) == SignKind::Frequency && m_helpEditMode) {
        m_lastRefresh = {};
        m_lastHelpCode = code;
        return {EntryOutcome::HelpShown, code};
    }
    if (IsOriginalityCode(code)) {
        // The left button on an O box scores nothing; it only brings O% up to date.
        Refresh(refresh::kOriginalityEntered);
        return {};
    }
    return Ignored();
}

EntryResult Workstation::ChooseContentsRow(std::string_view name) {
    auto code = CodeOfName(name);
    if (KindOfCode(code) != SignKind::Content) {
        return Ignored();
    }
    return Enter(code, SignColumn::Contents, std::string(NameOfCode(code)), refresh::kContentEntered, false);
}

EntryResult Workstation::ChooseSpecialReactionRow(std::string_view name) {
    auto code = CodeOfName(name);
    if (KindOfCode(code) != SignKind::SpecialReaction) {
        return Ignored();
    }
    return Enter(code, SignColumn::SpecialReactions, std::string(NameOfCode(code)),
                 code == codes::kVersagen ? refresh::kVersagenEntered : refresh::kSpecialReactionEntered,
                 false);
}

EntryResult Workstation::ChooseVulgarRow(std::string_view vulgarClass) {
    auto code = VulgarClassCode(vulgarClass);
    if (code == 0) {
        return Ignored();
    }
    return Enter(code, SignColumn::Frequencies, std::string(vulgarClass), refresh::kVulgarEntered, false);
}

EntryResult Workstation::ChooseOriginalityRow(std::string_view row) {
    auto code = CodeOfName(row);
    if (!IsOriginalityCode(code)) {
        return Ignored();
    }
    return Enter(code, SignColumn::Frequencies, std::string(row), refresh::kOriginalityEntered, false);
}

EntryResult Workstation::RightClickOriginalityBox(SignCode code) {
    if (!IsOriginalityCode(code)) {
        return Ignored();
    }
    return Enter(code, SignColumn::Frequencies, std::string(NameOfCode(code)), refresh::kOriginalityEntered,
                 false);
}

EntryResult Workstation::ChooseLocationTableItem(std::string_view caption) {
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

EntryResult Workstation::Ignored() {
    m_lastRefresh = {};
    return {};
}

EntryResult Workstation::Enter(SignCode code, SignColumn column, std::string columnName, RefreshSteps steps,
                               bool playSound) {
    m_lastRefresh = {};
    if (m_helpEditMode) {
        m_lastHelpCode = code;
        return {EntryOutcome::HelpShown, code};
    }
    if (!m_currentAnswer) {
        m_notifier.Message(messages::kNoAnswerSelected);
        return {EntryOutcome::Refused, code};
    }
    if (code == codes::kHdKompenzalas && IsColourCardForHdKompenzalas(m_currentCard)) {
        m_notifier.Message(messages::kHdKompenzalasOnColourCard);
        return {EntryOutcome::Refused, code};
    }
    auto& answer = m_protocol.answer(*m_currentAnswer);
    auto count = m_protocol.counts[code];
    if (count >= kCounterLimit) {
        m_notifier.Message(messages::kCounterFull);
        return {EntryOutcome::Refused, code};
    }
    auto slot = AddSign(answer, code);
    if (!slot) {
        m_notifier.Message(messages::kSlotsFull);
        return {EntryOutcome::Refused, code};
    }
    m_columns.Append(column, std::move(columnName));
    m_protocol.counts.Set(code, static_cast<std::uint8_t>(count + 1));

    EntryResult result{EntryOutcome::Entered, code};
    m_pendingSubVariant.reset();
    if (code == codes::kFH || code == codes::kDzw) {
        m_pendingSubVariant = PendingSubVariant{*m_currentAnswer, static_cast<std::size_t>(*slot), code};
        result.menu = code == codes::kFH ? SubVariantMenu::FH : SubVariantMenu::Dzw;
    }
    if (playSound && m_soundLanguage != SoundLanguage::None) {
        auto wav = m_paths.SoundFile(SoundFolder(m_soundLanguage), code);
        std::error_code error;
        if (fs::is_regular_file(wav, error)) {
            m_sound.Play(wav);
        }
    }
    Refresh(steps);
    return result;
}

bool Workstation::ChooseSubVariant(int item) {
    if (!m_pendingSubVariant || item < 0 || item > 2) {
        return false;
    }
    auto pending = *m_pendingSubVariant;
    m_pendingSubVariant.reset();
    auto& slot = m_protocol.answer(pending.answer).slots[pending.slot];
    if (slot != pending.parent) {
        return false;
    }
    auto first = pending.parent == codes::kFH ? codes::kFirstFHVariant : codes::kFirstDzwVariant;
    slot = static_cast<SignCode>(first + item);
    return true;
}

EntryOutcome Workstation::RemoveColumnEntry(SignColumn column, std::size_t index) {
    m_lastRefresh = {};
    if (!m_currentAnswer) {
        return EntryOutcome::Ignored;
    }
    auto name = m_columns.Take(column, index);
    if (!name) {
        return EntryOutcome::Ignored;
    }
    m_pendingSubVariant.reset();
    auto code = CodeOfName(*name);
    if (code == 0) {
        return EntryOutcome::Ignored;
    }
    auto slot = RemoveSign(m_protocol.answer(*m_currentAnswer), code);
    if (!slot) {
        // The counter stays: lowering it for a sign the answer does not hold would corrupt the
        // tally. The columns show the answer as it is.
        m_notifier.Message(messages::kNothingToRemove);
        RebuildColumns();
        return EntryOutcome::Refused;
    }
    if (auto count = m_protocol.counts[code]; count > 0) {
        m_protocol.counts.Set(code, static_cast<std::uint8_t>(count - 1));
    }
    Refresh(refresh::kSignRemoved);
    return EntryOutcome::Entered;
}

// --- Refresh ------------------------------------------------------------------------------

void Workstation::Refresh(RefreshSteps steps) {
    m_lastRefresh = steps;
    if (steps.Has(RefreshStep::ApprehensionMode)) {
        RecomputeApprehensionMode();
    }
    if (steps.Has(RefreshStep::AnswerCounts)) {
        RecomputeAnswerCounts();
    }
    if (steps.Has(RefreshStep::DeterminantFigures)) {
        RecomputeDeterminantFigures();
    }
    if (steps.Has(RefreshStep::ContentFigures)) {
        RecomputeContentFigures();
    }
    if (steps.Has(RefreshStep::VulgarPercent)) {
        RecomputeVulgarPercent();
    }
    if (steps.Has(RefreshStep::OriginalityPercent)) {
        RecomputeOriginalityPercent();
    }
    if (steps.Has(RefreshStep::AnswersPerCard)) {
        RecountAnswersPerCard();
    }
}

void Workstation::RecomputeApprehensionMode() {
    m_apprehension = BuildApprehensionFormula(m_protocol);
    m_apprehensionBuilt = true;
}
void Workstation::RecomputeAnswerCounts() {
    CountAnswers(m_protocol);
}
void Workstation::RecomputeDeterminantFigures() {
    m_typologies = ComputeTypologies(m_protocol);
}
void Workstation::RecomputeContentFigures() {
    m_contents = ComputeContentFigures(m_protocol);
}
void Workstation::RecomputeVulgarPercent() {
    neiger::StoreVulgarPercent(m_protocol);
}
void Workstation::RecomputeOriginalityPercent() {
    neiger::StoreOriginalityPercent(m_protocol);
}
void Workstation::RecountAnswersPerCard() {
    m_answersPerCard = CountAnswersPerCard(m_protocol);
}

std::string Workstation::ApprehensionLabel() const {
    return m_apprehensionBuilt ? m_apprehension.formula : std::string("--------------");
}

std::optional<Lines> Workstation::WriteInterpretation() {
    auto lines = interpretation::BuildInterpretation(m_protocol);
    if (!lines) {
        m_notifier.Message(messages::kNothingToInterpret);
        return std::nullopt;
    }
    auto path = m_paths.InterpretationFile();
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (!ReplaceFileAtomically(path, interpretation::InterpretationBytes(*lines))) {
        m_notifier.Message(messages::CannotWrite(path.string()));
        return std::nullopt;
    }
    return lines;
}

bool Workstation::WriteHtmlFile(const fs::path& path, const Lines& lines) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    return ReplaceFileAtomically(path, EncodeCp1250(JoinLines(lines)));
}

Lines Workstation::ExaminationSheetLines() {
    ComputeSensitivityParanoia();
    auto constellations = reports::ComputeConstellations(m_protocol);
    auto scales = reports::ComputeSheetScales(m_protocol);
    return reports::WriteExaminationSheet(
        {m_protocol, m_help, m_sensitivityParanoia, constellations, scales});
}

std::optional<fs::path> Workstation::WriteExaminationSheet() {
    auto path = m_paths.ExaminationSheetFile();
    if (!WriteHtmlFile(path, ExaminationSheetLines())) {
        m_notifier.Message(messages::CannotWrite(path.string()));
        return std::nullopt;
    }
    return path;
}

Lines Workstation::ProtocolPageLines() {
    AnswerTexts texts;
    for (int n = 1; n <= kAnswerCount; ++n) {
        texts[static_cast<std::size_t>(n - 1)] = m_texts.Read(n);
    }
    auto lines = reports::WriteProtocolPage(m_protocol, texts, m_help);
    // The page walks the answers as the main window selects them, the card choice held back.
    bool suppressed = m_cardChoiceSuppressed;
    m_cardChoiceSuppressed = true;
    SelectAnswer(kAnswerCount);
    m_cardChoiceSuppressed = suppressed;
    return lines;
}

std::optional<fs::path> Workstation::WriteProtocolPage() {
    auto path = m_paths.ProtocolPageFile();
    if (!WriteHtmlFile(path, ProtocolPageLines())) {
        m_notifier.Message(messages::CannotWrite(path.string()));
        return std::nullopt;
    }
    return path;
}

Lines Workstation::BuildGlossary() {
    m_lastRefresh = {RefreshStep::AnswerCounts};
    return reports::BuildGlossary(m_protocol, m_help);
}

std::string Workstation::GlossaryTitle() const {
    return "Mechanikus szószedet: " + m_protocol.personal.code;
}

bool Workstation::RegenerateHelpPages() {
    if (auto failed = reports::RegenerateHelpPages(m_paths, m_help)) {
        m_notifier.Message(messages::CannotWrite(*failed));
        return false;
    }
    m_notifier.Message(reports::kHelpPagesDone);
    return true;
}

bool Workstation::AttachToStatistics(const fs::path& file) {
    std::error_code error;
    if (fs::exists(file, error)) {
        auto present = statistics::CodePresentInFile(file, m_protocol.personal.code);
        if (!present) {
            m_notifier.Message(messages::CannotRead(file.string()));
            return false;
        }
        if (*present) {
            return false; // the dialog keeps "&csatol" disabled for it
        }
    }
    if (!statistics::AppendRow(file, statistics::StatisticsRow(m_protocol))) {
        m_notifier.Message(messages::CannotWrite(file.string()));
        return false;
    }
    return true;
}

statistics::BatchReport Workstation::AttachBatch(const fs::path& target, const std::vector<fs::path>& files) {
    std::error_code error;
    if (!fs::is_regular_file(target, error)) {
        m_notifier.Message(statistics::kNoTarget);
        return {};
    }
    auto report = statistics::AttachFiles(target, files, false);
    FinishBatch(report);
    return report;
}

bool Workstation::ExportSummary() {
    auto path = m_paths.SummaryExportFile();
    AtomicFileWriter out(path);
    auto report = statistics::ExportSummary(statistics::ProtocolFilesOf(m_paths.ArchiveFolder()),
                                            [&out](std::string_view bytes) { return out.Write(bytes); });
    if (!report.failure && !out.Commit()) {
        report.failure = messages::CannotWrite(path.string());
    }
    FinishBatch(report);
    if (report.failure) {
        return false;
    }
    m_notifier.Message(statistics::SummaryDoneMessage(report.rows, path));
    return true;
}

void Workstation::FinishBatch(const statistics::BatchReport& report) {
    if (!report.notes.empty()) {
        std::string notes;
        for (const auto& note : report.notes) {
            notes += note.text + "\r\n";
        }
        m_notifier.Message(notes);
    }
    if (report.failure) {
        m_notifier.Message(*report.failure);
    }
    // As after a run that loaded every file in turn: the last one is the current protocol.
    if (report.last) {
        LoadProtocol(*report.last);
    }
}

std::string Workstation::InterpretationTitle() const {
    return "Szöveges értelmezés: " + m_protocol.personal.code;
}

const szenzipara::Standing& Workstation::ComputeSensitivityParanoia() {
    szenzipara::Recompute(m_protocol, m_sensitivityParanoia);
    return m_sensitivityParanoia;
}

// --- Sign help texts ----------------------------------------------------------------------

std::string Workstation::SignBoxHint(SignCode code) const {
    return " összesen " + std::to_string(m_protocol.counts[code]) + " ";
}

HelpTexts Workstation::HelpTextsOf(SignCode code) const {
    return {code, m_help.scoring.Text(code), m_help.interpretation.Text(code)};
}

std::optional<HelpTexts> Workstation::PointAtSign(SignCode code) {
    if (m_helpEditMode || code == m_lastHelpCode) {
        return std::nullopt;
    }
    m_lastHelpCode = code;
    return HelpTextsOf(code);
}

std::optional<HelpTexts> Workstation::ClickColumnEntry(SignColumn column, std::size_t index) {
    if (column == SignColumn::Frequencies) {
        return std::nullopt;
    }
    const auto& entries = m_columns.Entries(column);
    if (index >= entries.size()) {
        return std::nullopt;
    }
    auto code = CodeOfName(entries[index]);
    if (code == 0) {
        return std::nullopt;
    }
    m_lastHelpCode = code;
    return HelpTextsOf(code);
}

bool Workstation::StoreScoringHelp(const std::vector<std::string>& lines) {
    return StoreHelp(m_help.scoring, lines);
}

bool Workstation::StoreInterpretationHelp(const std::vector<std::string>& lines) {
    return StoreHelp(m_help.interpretation, lines);
}

bool Workstation::StoreHelp(HelpTextFile& file, const std::vector<std::string>& lines) {
    if (m_lastHelpCode >= HelpTextFile::kLineCount) {
        m_notifier.Message(messages::kNoHelpSignChosen);
        return false;
    }
    if (!file.Store(m_lastHelpCode, lines)) {
        m_notifier.Message(messages::CannotWrite(file.Path().string()));
        return false;
    }
    return true;
}

} // namespace quelvarin
