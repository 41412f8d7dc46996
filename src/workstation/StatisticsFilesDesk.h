#pragma once

#include "statistics/StatisticsFile.h"
#include "workstation/Session.h"
#include "workstation/StatisticsDesk.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarin {

// The windows over the statistics files of stat/: the attach dialog of the current protocol
// (which kind of target is chosen, the files listed, the file chosen, the name typed), the
// new-file window of the batch dialog and the viewer of a finished file.
class StatisticsFilesDesk {
public:
    StatisticsFilesDesk(Session& session, StatisticsDesk& statistics)
        : m_session(session), m_statistics(statistics) {}

    // --- The attach dialog -----------------------------------------------------------------
    enum class Target { None, Existing, New };

    // A fresh dialog: no kind of target chosen, the files of stat/ read again, none chosen,
    // the name empty.
    void OpenAttachDialog();
    // The "*.dat" files of stat/ by name, in alphabetical order.
    const std::vector<std::string>& ListedFiles() const { return m_listed; }
    Target ChosenTarget() const { return m_target; }
    void ChooseTarget(Target target);
    // A file of the list (nothing: none chosen); its duplicate check is run at once.
    void ChooseFile(std::optional<std::size_t> index);
    std::optional<std::size_t> ChosenFile() const { return m_chosen; }
    // The dialog is active again: the chosen file is checked once more (the protocol or the file
    // may have changed meanwhile).
    void Recheck();
    // The name field changed: the name it is to show (a character that may not stand in a name
    // is removed, with the message).
    std::string TypeName(std::string_view typed);
    const std::string& Name() const { return m_name; }
    // "&csatol" enabled: a listed file that does not hold the code yet, or a new name that is not
    // listed.
    bool MayAttach() const;
    // "&csatol": the row appended to the chosen file, or to a new file made with its header (an
    // empty code is asked about first). True when written: the dialog closes.
    bool Attach();

    // --- The new-file window ---------------------------------------------------------------
    // The folder the new files go to, as the window shows it before the name.
    std::string StatisticsFolderText() const;
    // The window is active: the name emptied, the button asks for one.
    void OpenNewFileWindow();
    // The name changed: the button's caption.
    std::string_view TypeNewFileName(std::string_view name);
    std::string_view NewFileButton() const { return m_button; }
    // The button: the file made with its header line, its name ("name.dat") for the batch
    // dialog's target; nothing when no file was made (no name yet, or it exists: told so).
    std::optional<std::string> PressNewFileButton();

    // --- The viewer ------------------------------------------------------------------------
    // A statistics file's text; nothing (and the examiner told) when it cannot be read.
    std::optional<std::string> FileText(const std::filesystem::path& file);

private:
    std::filesystem::path Folder() const;
    void ListFiles();

    Session& m_session;
    StatisticsDesk& m_statistics;

    Target m_target = Target::None;
    std::vector<std::string> m_listed;
    std::optional<std::size_t> m_chosen;
    bool m_chosenAccepts = false;
    std::string m_name;

    std::string m_newName;
    std::string_view m_button = statistics::kButtonNoName;
};

} // namespace quelvarin
