#pragma once

#include "indices/Alkohol.h"
#include "indices/KiegInf.h"
#include "indices/SzenziPara.h"
#include "joint/JointExamination.h"
#include "model/AnswerTextStore.h"
#include "model/Protocol.h"
#include "model/ProtocolFile.h"
#include "model/SignHelpTexts.h"
#include "model/VulgarCatalogue.h"
#include "platform/Clock.h"
#include "platform/InstallPaths.h"
#include "platform/Notifier.h"
#include "scoring/Apprehension.h"
#include "scoring/ContentFigures.h"
#include "scoring/Typologies.h"
#include "statistics/Batch.h"
#include "workstation/RefreshSteps.h"
#include "workstation/SignColumns.h"
#include "workstation/SoundPlayer.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

enum class SoundLanguage { None, Magyar, Angol };
// The folder of hangok/ for a language: "magyar", "angol"; "" for none.
std::string_view SoundFolder(SoundLanguage language);

enum class EntryOutcome {
    Entered,   // the sign is in the answer and counted
    Refused,   // a rule refused it; the message was shown
    Ignored,   // nothing to do (an unknown name, a box that scores nothing)
    HelpShown, // HelpEditMode: the sign's help texts were chosen instead
};

// The menu that follows an entry of 149 "FH" or 410 "Dzw".
enum class SubVariantMenu { None, FH, Dzw };

struct EntryResult {
    EntryOutcome outcome = EntryOutcome::Ignored;
    SignCode code = 0;
    SubVariantMenu menu = SubVariantMenu::None;
};

// The help texts of a sign, as the scoring-help and interpretation-help windows show them.
struct HelpTexts {
    SignCode code = 0;
    std::vector<std::string> scoring;
    std::vector<std::string> interpretation;
};

// The one current Protocol with the window-level state around it, and every operation the
// windows and the CLI drive. A window binds its controls to these operations and shows what
// they return.
class Workstation {
public:
    struct Services {
        InstallPaths paths;
        Notifier& notifier;
        AnswerTextStore& texts;
        SoundPlayer& sound;
        const Clock& clock;
    };

    // The start-up state: an empty Protocol (all cards 0, all counters 0, no date, age 0),
    // nothing selected, CurrentCard 1; the two sign help files are read.
    explicit Workstation(Services services);

    const Protocol& CurrentProtocol() const { return m_protocol; }
    // Plain field access for the personal-data, time and index windows.
    Protocol& EditableProtocol() { return m_protocol; }
    const InstallPaths& Paths() const { return m_paths; }

    std::optional<int> CurrentAnswer() const { return m_currentAnswer; }
    int CurrentCard() const { return m_currentCard; }
    bool ProtocolStarted() const { return m_protocolStarted; }
    bool HelpEditMode() const { return m_helpEditMode; }
    void SetHelpEditMode(bool on) { m_helpEditMode = on; }
    SoundLanguage CurrentSoundLanguage() const { return m_soundLanguage; }
    void SetSoundLanguage(SoundLanguage language) { m_soundLanguage = language; }
    // Set while the protocol page walks the answers, so that no card choice opens.
    void SetCardChoiceSuppressed(bool on) { m_cardChoiceSuppressed = on; }

    // --- Protocol lifecycle ---------------------------------------------------------------
    // "új Ro.": resets the protocol, deletes the 90 answer text files, sets the examination
    // code (the base name of the file last chosen in the save dialog) and marks it started.
    void NewProtocol(std::string_view code = "");
    // Reads and parses the file and installs it; a rejected file changes nothing.
    bool LoadProtocol(const std::filesystem::path& path);
    // Makes a parsed protocol the current one: checks the education, rewrites the answer
    // text files and refreshes every figure. False (nothing changed) when a text file cannot
    // be written.
    bool Install(ParsedProtocol parsed);
    // Writes the protocol with the texts of the answer text files, replacing the file atomically.
    bool SaveProtocol(const std::filesystem::path& path);
    // The bytes SaveProtocol writes.
    std::string ProtocolFileBytes() const;

    // --- Answers and cards ----------------------------------------------------------------
    // Selecting an answer: CurrentCard follows it and its SignColumns are rebuilt. True when
    // the card-choice window should open (the answer has no card yet).
    bool SelectAnswer(int answer);
    bool CardChoiceWanted() const { return m_cardChoiceWanted; }
    // Card-choice item k: 0 "válasz törlése", 1..10 "k. táblán". False when refused.
    bool ChooseCard(int card);
    const SignColumns& Columns() const { return m_columns; }
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

    // --- The psychogram as the main window shows it, kept current by the refresh steps ----
    const ApprehensionFigures& Apprehension() const { return m_apprehension; }
    // The "FT:" label: the formula, or its placeholder before the first build.
    std::string ApprehensionLabel() const;
    const ContentFigures& Contents() const { return m_contents; }
    const Typologies& TypologyFigures() const { return m_typologies; }
    // The sensitivity-paranoia index as its window and the sheet compute it (storing its
    // figures into 416..427), and what it showed last.
    const szenzipara::Standing& ComputeSensitivityParanoia();
    const szenzipara::Standing& SensitivityParanoia() const { return m_sensitivityParanoia; }

    // --- The narrative interpretation ----------------------------------------------------
    // Writes aktualis/Szov_Ert.txt (replacing it only once the whole text is written) and
    // returns its lines for the window; without effective answers nothing is written and the
    // examiner is told so, and a failed write is reported with the file's name.
    std::optional<Lines> WriteInterpretation();
    // The window's title: "Szöveges értelmezés: " and the examination code.
    std::string InterpretationTitle() const;

    // --- The HTML pages and the glossary ---------------------------------------------------
    // The examination sheet: recomputes the sensitivity-paranoia index (storing its figures),
    // the constellations and the scales, and gives the page's lines.
    Lines ExaminationSheetLines();
    // Writes html/aktualis.html atomically; its path for the browser, nothing on failure.
    std::optional<std::filesystem::path> WriteExaminationSheet();
    // The protocol page, with the texts of the answer text files. Afterwards answer 90 is the
    // selected one, as when the page walked the answers.
    Lines ProtocolPageLines();
    std::optional<std::filesystem::path> WriteProtocolPage();
    // The mechanical glossary (the answers are counted first) and its window's title.
    Lines BuildGlossary();
    std::string GlossaryTitle() const;
    // Regenerates the help pages of html/ertelmez and html/jelol; says when it is done.
    bool RegenerateHelpPages();
    const SignHelpTexts& HelpFiles() const { return m_help; }

    // --- Statistics ---------------------------------------------------------------------
    // The attach dialog's "&csatol": the current protocol's row appended to a statistics file
    // (a new one starts with the header line). Refused when its code is already in the file.
    bool AttachToStatistics(const std::filesystem::path& file);
    // The batch run: the rows of the files appended to the target; the files the loader
    // rejects are named, and the last file attached becomes the current protocol.
    statistics::BatchReport AttachBatch(const std::filesystem::path& target,
                                        const std::vector<std::filesystem::path>& files);
    // The summary export of the archive folder into sum_stat.txt; the last protocol exported
    // becomes the current one.
    bool ExportSummary();

    // --- Indices coded by the examiner ---------------------------------------------------
    // "jelöld !" of the SZEI coding window: the code of the selected answer. False (nothing
    // stored) when no answer is selected.
    bool SetSzeiCode(std::string_view code);
    // Every change of the transference field is stored at once as the selected answer's code.
    bool SetTransference(std::string_view text);

    // The alcoholism check list, whose ticks live for the whole run. Opening it recounts the
    // answers (through the glossary) and takes the protocol's effective answer count.
    const alkohol::Checklist& OpenAlcoholismChecklist();
    const alkohol::Checklist& AlcoholismChecklist() const { return m_alcoholism; }
    void SetAlcoholismTick(int item, bool ticked) { m_alcoholism.SetTick(item, ticked); }
    void SetAlcoholismShortProtocolTick(bool ticked) { m_alcoholism.SetShortProtocolTick(ticked); }

    // The supplementary-information check list: opening it from the menu takes the ticks from
    // the flags (ticked when not 0); a tick change writes all eighteen flags from the ticks.
    const kieginf::Ticks& OpenSupplementaryChecks();
    void SetSupplementaryCheck(std::size_t item, bool ticked);
    // The mouse over item k, or a click on it in HelpEditMode: the help texts of 480 + k.
    std::optional<HelpTexts> PointAtSupplementaryItem(std::size_t item);
    std::optional<HelpTexts> ClickSupplementaryItemForEditing(std::size_t item);

    // --- The joint examination -------------------------------------------------------------
    // Its record lives for the whole run; its card is the workstation's CurrentCard.
    const joint::JointExamination& Joint() const { return m_joint; }
    // Person choice, row texts, clearing and personal data, which touch no card.
    joint::JointExamination& EditableJoint() { return m_joint; }
    // Opening the window: a CurrentCard outside I..X becomes I.
    void OpenJointExamination();
    // Sign button 1..31: records the sign for the current person on the current card, or in
    // HelpEditMode selects its description line for editing and gives it.
    struct JointButtonResult {
        bool recorded = false;
        std::optional<std::string> description;
    };
    JointButtonResult JointSignButton(int sign);
    void JointClickSignRow(std::size_t row) { m_joint.ClickSignRow(row, m_currentCard); }
    void JointClickTextRow(std::size_t row) { m_joint.ClickTextRow(row, m_currentCard); }
    // The previous and next card buttons, cyclic in I..X.
    void JointStepCard(bool forward);
    // The mouse over a sign button: its description line, when another than the one shown;
    // nothing in HelpEditMode.
    std::optional<std::string> JointPointAtSign(int sign);
    // Closing the window: in HelpEditMode the 31 description lines are written to krv.txt,
    // the file they are read from. False (with a message) when it cannot be written.
    bool CloseJointExamination();
    // "nyomtatás": writes html/__.html; its path for the browser, nothing on failure.
    std::optional<std::filesystem::path> WriteJointReport();

    // Recomputes every figure, as a load does.
    void RefreshEverything() { Refresh(refresh::kProtocolLoaded); }

    // What the last scoring operation recomputed (nothing when it was refused or ignored).
    RefreshSteps LastRefresh() const { return m_lastRefresh; }
    // For each card I..X the answers given to it, as recounted at the last load.
    const std::array<int, kCardCount>& AnswersPerCard() const { return m_answersPerCard; }
    // The supplementary-information check list as the last load set it (ticked when exactly 1).
    const kieginf::Ticks& SupplementaryChecks() const { return m_supplementaryChecks; }

    // --- Sign help texts -------------------------------------------------------------------
    // The hint of a sign box: " összesen " + counter + " ".
    std::string SignBoxHint(SignCode code) const;
    // The mouse over a sign: its texts when it is another sign than the one shown last.
    std::optional<HelpTexts> PointAtSign(SignCode code);
    // A click on an entry of SignColumn 1, 2, 3 or 5: the texts of the entry's sign.
    std::optional<HelpTexts> ClickColumnEntry(SignColumn column, std::size_t index);
    // The mouse over an empty part of a page: the next hover loads its sign again.
    void ForgetShownHelp() { m_lastHelpCode = kNoHelpCode; }
    SignCode LastHelpCode() const { return m_lastHelpCode; }
    HelpTexts HelpTextsOf(SignCode code) const;
    // "&mentés" of the help windows: stores the lines as the help of the code shown last.
    bool StoreScoringHelp(const std::vector<std::string>& lines);
    bool StoreInterpretationHelp(const std::vector<std::string>& lines);

    static constexpr SignCode kNoHelpCode = 9999;

private:
    struct PendingSubVariant {
        int answer = 0;
        std::size_t slot = 0;
        SignCode parent = 0;
    };

    EntryResult Ignored();
    EntryResult Enter(SignCode code, SignColumn column, std::string columnName, RefreshSteps steps,
                      bool playSound);
    bool StoreHelp(HelpTextFile& file, const std::vector<std::string>& lines);
    // Writes a page of the html folder atomically; false when it cannot be written.
    static bool WriteHtmlFile(const std::filesystem::path& path, const Lines& lines);
    void FinishBatch(const statistics::BatchReport& report);
    void Refresh(RefreshSteps steps);
    void RebuildColumns();

    // The recomputation steps, in the order a load runs them.
    void RecomputeApprehensionMode();
    void RecomputeAnswerCounts();
    void RecomputeDeterminantFigures();
    void RecomputeContentFigures();
    void RecomputeVulgarPercent();
    void RecomputeOriginalityPercent();
    void RecountAnswersPerCard();

    InstallPaths m_paths;
    Notifier& m_notifier;
    AnswerTextStore& m_texts;
    SoundPlayer& m_sound;
    const Clock& m_clock;

    Protocol m_protocol;
    std::optional<int> m_currentAnswer;
    int m_currentCard = 1;
    bool m_protocolStarted = false;
    bool m_helpEditMode = false;
    bool m_cardChoiceSuppressed = false;
    bool m_cardChoiceWanted = false;
    SoundLanguage m_soundLanguage = SoundLanguage::None;
    SignCode m_lastHelpCode = kNoHelpCode;
    SignColumns m_columns;
    std::optional<PendingSubVariant> m_pendingSubVariant;
    RefreshSteps m_lastRefresh;
    std::array<int, kCardCount> m_answersPerCard{};
    kieginf::Ticks m_supplementaryChecks{};
    alkohol::Checklist m_alcoholism;
    joint::JointExamination m_joint;
    SignHelpTexts m_help;
    ApprehensionFigures m_apprehension;
    bool m_apprehensionBuilt = false;
    ContentFigures m_contents;
    Typologies m_typologies;
    szenzipara::Standing m_sensitivityParanoia;
};

} // namespace quelvarin
