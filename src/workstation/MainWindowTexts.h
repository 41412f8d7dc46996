#pragma once

#include "workstation/AppTexts.h"

#include <array>
#include <string>
#include <string_view>

// The fixed texts of the main window, in one place for proofreading: its caption, toolbar,
// menus, answer and timing panels, sign picker and the menus that follow an entry.
namespace quelvarin::window_texts {

// "Quelvarin", or "Quelvarin: " and the examination code once there is one.
inline std::string MainWindowCaption(std::string_view code) {
    return code.empty() ? std::string(kProgramName) : std::string(kProgramName) + ": " + std::string(code);
}
// A page the browser could not be started for.
inline std::string CannotOpenDocument(std::string_view path) {
    return "A(z) „" + std::string(path) + "” megnyitásához nem található program.";
}

// --- Toolbar --------------------------------------------------------------------------------
struct ToolbarButton {
    std::string_view caption;
    std::string_view hint;
};
inline constexpr ToolbarButton kNewButton{"új Ro.", "Új Ro. vizsgálatot kezdeményez"};
inline constexpr ToolbarButton kOpenButton{"nyit", "Az archívumból megnyit egy régebbi vizsgálatot"};
inline constexpr ToolbarButton kSaveButton{"ment", "Elmenti az aktuális vizsgálatot"};
inline constexpr ToolbarButton kWordButton{"doc", "Elindítja a Word-del a Ro. jkv. sablont"};
inline constexpr ToolbarButton kScoringHelpButton{"jelöl", "Segítséget nyújt a jelöléshez"};
inline constexpr ToolbarButton kInterpretationHelpButton{"értelm.", "Segítséget nyújt az értelmezéshez"};
inline constexpr ToolbarButton kAnswerTextButton{"felelet", "Megnézi/beírja a feleleteket"};
inline constexpr ToolbarButton kLocationTablesButton{"lok", "Lokalizációs táblák"};

// --- Menus ----------------------------------------------------------------------------------
namespace menu {
inline constexpr std::string_view kFiles = "fájlműveletek";
inline constexpr std::string_view kNewProtocol = "&új Rorschach vizsgálat";
inline constexpr std::string_view kNewJointExamination = "új &közös Rorschach vizsgálat";
inline constexpr std::string_view kOpen = "megnyitás";
inline constexpr std::string_view kSave = "mentés";
inline constexpr std::string_view kHelpEditMode = "súgófájlok j&avítása";
inline constexpr std::string_view kTextFile = "szöveges állomány megnyitása";
inline constexpr std::string_view kSummaryExport = "összesítő statisztika (sum_stat.txt)";
inline constexpr std::string_view kQuit = "kilépés a programból";
// The items the program keeps out of the menu bar, offered together in one submenu.
inline constexpr std::string_view kMaintenance = "&karbantartás";
inline constexpr std::string_view kRegenerateHelpPages = "HTML súgóoldalak frissítése";

inline constexpr std::string_view kExamination = "&vizsgálat";
inline constexpr std::string_view kPersonalData = "&személyi adatok";
inline constexpr std::string_view kSupplementary = "&kiegészítő információk";
inline constexpr std::string_view kNeiger = "&realitás-index (Neiger)";
inline constexpr std::string_view kAlcoholism = "&alkoholizmus szindrómája";
inline constexpr std::string_view kSensitivityParanoia = "Szenzitivitás-paranoiditás index";
inline constexpr std::string_view kInterpretation = "szöveges értelmezés";
inline constexpr std::string_view kGlossary = "mechanikus szószedet az értelmezéshez";
inline constexpr std::string_view kProtocolPage = "jegyzőkönyv (HTML)";
inline constexpr std::string_view kExaminationSheet = "táblázatok, mutatók (HTML)";
inline constexpr std::string_view kWordDocument = "Word RORSCHACH dokumentum";

inline constexpr std::string_view kStatistics = "statisztika";
inline constexpr std::string_view kAttachCurrent = "az aktuális jkv. csatolása";
inline constexpr std::string_view kAttachBatch = "régi jkv-ek csoportos csatolása";

inline constexpr std::string_view kShow = "mutasd a . . .";
inline constexpr std::string_view kShowScoringHelp = ". . . súgót a jelöléshez";
inline constexpr std::string_view kShowInterpretationHelp = ". . . súgót az értelmezéshez";
inline constexpr std::string_view kShowAnswerTexts = ". . . feleletek szövegét";
inline constexpr std::string_view kShowLocationTables = ". . . lokalizációs táblákat";
inline constexpr std::string_view kShowCards = ". . . táblákat";
inline constexpr std::string_view kShowExperienceTypeGraph = ". . . grafikus ÉT táblát";
inline constexpr std::string_view kShowRawAnswers = "FeleletForm-ot";
inline constexpr std::string_view kShowCounters = "fiókokat";

inline constexpr std::string_view kSettings = "beállítások";
inline constexpr std::string_view kSoundMagyar = "magyar";
inline constexpr std::string_view kSoundEnglish = "english";
inline constexpr std::string_view kOwnWordTemplate = "az én Word sablonom";
inline constexpr std::string_view kLoadLayout = "ablakkonfiguráció betöltése";
inline constexpr std::string_view kSaveLayout = "ablakkonfiguráció mentése";
inline constexpr std::string_view kShowJpg = "jpg-ket mutass!";
inline constexpr std::string_view kShowBmp = "bmp-ket mutass!";

inline constexpr std::string_view kHelp = "súgó";
inline constexpr std::string_view kProgramInfo = "programinfó";
} // namespace menu

// --- Answer panel ---------------------------------------------------------------------------
inline constexpr std::string_view kAnswerHeading = "felelet";
inline constexpr std::string_view kCardHeading = "tsz.";
inline constexpr std::string_view kSzeiHeading = "SZEI";
inline constexpr std::string_view kSzeiListHint = "Kattintson a SZEI beviteléhez!";
inline constexpr std::array<std::string_view, 5> kColumnHeadings = {
    "felfogásmód", "determinánsok", "tartalmak", "gyakoriság", "különleges reakciók"};
inline constexpr std::string_view kColumnHint = "törlés duplakattintással";
inline constexpr std::string_view kRemoveEntry = "töröld !";
inline constexpr std::string_view kTransferenceLabel = "áttétel (De Vos)";
inline constexpr std::string_view kTransferenceHint = "Ktttintson az ÁTTÉTEL beviteléhez!";
inline constexpr std::string_view kTransferenceEvaluationHint = "Kattintson az ÁTTÉTEL értelmezéséhez!";
inline constexpr std::string_view kEvaluationButton = "értékelés";
inline constexpr std::string_view kSzeiEvaluationButton = "É";
inline constexpr std::string_view kSzeiEvaluationName = "SZEI értékelés";

// --- Timing panel ---------------------------------------------------------------------------
inline constexpr std::string_view kReactionTime = "reakcióidő:";
inline constexpr std::string_view kCardTime = "táblaidő:";
inline constexpr std::string_view kMinutes = "perc";
inline constexpr std::string_view kSeconds = "másodperc";
inline constexpr std::string_view kRunningSeconds = "mp";
inline constexpr std::string_view kStart = "s&tart";
inline constexpr std::string_view kWriteReactionTime = "Írd be reakcióidőnek!";
inline constexpr std::string_view kWriteCardTime = "Írd be táblaióidőnek!";
inline constexpr std::string_view kReset = "reset";

// --- Sign picker ----------------------------------------------------------------------------
inline constexpr std::string_view kApprehensionGrouping = "FT csoportosítás:";
inline constexpr std::string_view kTopicHelpButton = "súgó";
inline constexpr std::string_view kExperienceTypeGraphHint = "grafikus ÉT";
inline constexpr std::string_view kExperienceTypeGraphButton = "ÉT";
inline constexpr std::string_view kContentsAlphabeticalName = "tartalmak betűrendben";
inline constexpr std::string_view kVulgarGroup = "Vulgáris válaszok";
inline constexpr std::string_view kOriginalGroup = "Originális válaszok";
inline constexpr std::string_view kSpecialReactionGroups = "csoportok";

// --- The menus after an FH or a Dzw entry ----------------------------------------------
struct PopupMenu {
    std::array<std::string_view, 3> items;
    int left; // from the main window's top-left corner
    int top;
};
inline constexpr PopupMenu kDzwMenu{{"közép", "lyuk", "széli"}, 75, 360};
inline constexpr PopupMenu kFHMenu{{"FH +", "FH +/-", "FH -"}, 150, 340};

} // namespace quelvarin::window_texts
