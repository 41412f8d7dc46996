#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quelvarin {

// The installation tree (the root) and every file and folder of it that the system names.
// Documentation paths such as aktualis\3.txt are sub-folders of the root.
class InstallPaths {
public:
    explicit InstallPaths(std::filesystem::path root) : m_root(std::move(root)) {}

    // C:\tamrel\quelva on Windows, ~/.local/share/tamrel/quelva elsewhere.
    static std::filesystem::path DefaultRoot();

    const std::filesystem::path& Root() const { return m_root; }
    // A back-slashed path of the tree ("help\ft.hlp") as a path under the root.
    std::filesystem::path Resolve(std::string_view backslashed) const;

    // The sibling program's hand-over file: <root>/../helvor/aktualis/aktualis.dat.
    std::filesystem::path HandOverFile() const;

    std::filesystem::path CurrentFolder() const { return m_root / "aktualis"; }
    std::filesystem::path AnswerTextFile(int answer) const;
    std::filesystem::path InterpretationFile() const { return CurrentFolder() / "Szov_Ert.txt"; }
    // The copy of the protocol being scored, kept until it is saved, so that a crash loses
    // at most the last second's work.
    std::filesystem::path RecoveryFile() const { return CurrentFolder() / "mentetlen.qvl"; }
    std::filesystem::path ArchiveFolder() const { return m_root / "archivum"; }

    std::filesystem::path ScoringHelpFile() const { return m_root / "jelol.dbf"; }
    std::filesystem::path InterpretationHelpFile() const { return m_root / "ert.dbf"; }

    std::filesystem::path HtmlFolder() const { return m_root / "html"; }
    std::filesystem::path ExaminationSheetFile() const { return HtmlFolder() / "aktualis.html"; }
    std::filesystem::path ProtocolPageFile() const { return HtmlFolder() / "akt_jkv.html"; }
    std::filesystem::path JointReportFile() const { return HtmlFolder() / "__.html"; }
    std::filesystem::path InterpretationHelpPagesFolder() const { return HtmlFolder() / "ertelmez"; }
    std::filesystem::path ScoringHelpPagesFolder() const { return HtmlFolder() / "jelol"; }

    std::filesystem::path StatisticsFolder() const { return m_root / "stat"; }
    std::filesystem::path SummaryExportFile() const { return m_root / "sum_stat.txt"; }
    std::filesystem::path JointSignDescriptionsFile() const { return m_root / "krv.txt"; }

    // Reference lists of the personal-data window: fogl, dg, isk, oszt, vv, klinker.
    std::filesystem::path ListFile(std::string_view name) const;

    std::filesystem::path LayoutFolder() const { return m_root / "config"; }
    std::filesystem::path HintFile() const { return m_root / "hint" / "magyar.hnt"; }
    std::filesystem::path LocationFolder() const { return m_root / "lok"; }
    std::filesystem::path CardPictureFolder() const { return m_root / "tablak"; }
    std::filesystem::path TopicHelpFolder() const { return m_root / "help"; }
    std::filesystem::path NotesFolder() const { return m_root / "jegyzet"; }
    std::filesystem::path VersionFile() const { return m_root / "ver.num"; }
    // The program's icon and the program-information window's picture.
    std::filesystem::path ProgramIconFile() const { return m_root / "quelvarin.png"; }
    std::filesystem::path ProgramPictureFile() const { return m_root / "programinfo.png"; }
    // The glyph of the "lok" toolbar button for card 1..10: lok/lok_<card>.bmp.
    std::filesystem::path CardGlyphFile(int card) const;
    std::filesystem::path ExperienceTypeFolder() const { return m_root / "et"; }
    // hangok/<language>/<code>.wav, language "magyar" or "angol".
    std::filesystem::path SoundFile(std::string_view language, unsigned code) const;
    std::filesystem::path WordTemplateFile() const { return m_root / "sablon.doc"; }
    std::filesystem::path ShippedWordTemplateFile() const { return TopicHelpFolder() / "sablon.doc"; }
    // doc/<code>.doc, the code made a safe file name (DocumentFileName): never outside doc/.
    std::filesystem::path WordDocumentFile(std::string_view code) const;

private:
    std::filesystem::path m_root;
};

// Where the shipped tree is: share/quelvarin/quelva beside the installed program's bin/, else
// the data/quelva/ of the source tree the program was built from.
std::filesystem::path FindShippedTree(const std::filesystem::path& executable);

// At start-up: a root that does not exist is created from the shipped tree; an existing root is
// left as it is. False when the root is missing and could not be created.
bool EnsureInstallTree(const std::filesystem::path& root, const std::filesystem::path& shipped);

// Copies the shipped tree into the root. Files already in the root are never
// overwritten; folders and files missing from it are added. False when copying failed.
bool SeedInstallTree(const std::filesystem::path& shipped, const std::filesystem::path& root);

} // namespace quelvarin
