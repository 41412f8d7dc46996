#pragma once

#include "workstation/ProtocolFilesDesk.h"
#include "workstation/Session.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quelvarin {

// The protocol's life as the examiner drives it: the start, "új Ro.", "nyit", "ment", the
// replacements made by the statistics runs, and the two ways out. Every question is asked
// through the notifier and every file through the file chooser, and nothing the examiner has
// not saved is replaced or ended without asking.
class ProtocolLifecycle {
public:
    ProtocolLifecycle(Session& session, ProtocolFilesDesk& files) : m_session(session), m_files(files) {}

    const Session& State() const { return m_session; }

    // The start, after the windows are made: a recovery copy a crash left is offered (taken up,
    // it stays unsaved and keeps its copy; declined, it is given up with its answer texts); the
    // protocol the workstation starts with has no answer texts of an earlier run; then the file
    // named on the command line is opened, over a recovered protocol only if the examiner says
    // so (and after offering to save it).
    void StartUp(const std::optional<std::filesystem::path>& file);

    // "új Ro.": a started protocol is offered for saving (a save wanted and not done keeps it),
    // then the new one gets the base name of the file last saved as its code. True when the new
    // protocol was made.
    bool NewProtocol();
    // "nyit": unsaved changes are offered for saving, then the open dialog of the archive.
    bool OpenProtocol();
    // A protocol file opened by name, with the same offer to save.
    bool OpenFile(const std::filesystem::path& path);
    // "ment": the save dialog of the archive proposing the examination code, ".qvl" added when
    // no extension is typed, the overwrite question ("Nem" goes back to the dialog).
    bool SaveProtocol();
    // Before a batch run or the summary export puts a stored protocol in place of the current
    // one: unsaved changes are offered for saving. False when a save was wanted and not done.
    bool MayReplace();

    // Closing the main window: "Ki akar lépni a programból?", the edits not yet stored, then
    // "El akarja menteni a változásokat?". True when the program may end.
    bool Exit();
    // "kilépés a programból": ends at once unless something is unsaved, which is offered for
    // saving first. True when the program may end.
    bool Quit();

    // The base name of the file last chosen in the save dialog ("" before the first save).
    const std::string& LastSaveName() const { return m_lastSaveName; }

private:
    // Asks whether to save and saves; false only when a save was wanted and not done.
    bool OfferToSave(bool asked);

    Session& m_session;
    ProtocolFilesDesk& m_files;
    std::string m_lastSaveName;
};

} // namespace quelvarin
