#pragma once

#include "model/ProtocolFile.h"
#include "workstation/Session.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quelvarin {

// New, open and save, and the recovery copy of the protocol being scored.
class ProtocolFilesDesk {
public:
    // Whether the desk keeps a recovery copy under aktualis/ (the workstation does; the CLI,
    // which never changes the root, does not).
    enum class Recovery { Kept, Off };

    ProtocolFilesDesk(Session& session, Recovery recovery) : m_session(session), m_recovery(recovery) {}

    const Session& State() const { return m_session; }

    // "új Ro.": resets the protocol, deletes the 90 answer text files, sets the examination
    // code (the base name of the file last chosen in the save dialog) and marks it started.
    void NewProtocol(std::string_view code = "");
    // Reads and parses the file and installs it; a rejected file changes nothing.
    bool LoadProtocol(const std::filesystem::path& path, ProtocolSource source = ProtocolSource::Opened);
    // Makes a parsed protocol the current one: checks the education, rewrites the answer
    // text files and refreshes every figure. False (nothing changed) when a text file cannot
    // be written.
    bool Install(ParsedProtocol parsed, ProtocolSource source = ProtocolSource::Opened);
    // Writes the protocol with the texts of the answer text files, replacing the file atomically.
    bool SaveProtocol(const std::filesystem::path& path);
    // The bytes SaveProtocol writes.
    std::string ProtocolFileBytes() const;
    // Deletes the 90 answer text files: the texts of a protocol saved or given up, which the
    // protocol the workstation starts with does not have.
    void ClearAnswerTexts();

    // --- The recovery copy ----------------------------------------------------------------
    // A change is written to aktualis/mentetlen.qvl at the latest a second after it was made;
    // the changes of that second are written together. Saving, a new or opened protocol and
    // a clean end remove the copy; a copy found at start is what a crash left. A recovered
    // protocol keeps its copy until it is saved or given up.
    bool RecoveryCopyExists() const;
    // Takes up the recovered protocol as an opened one (texts included); it stays unsaved.
    bool RestoreRecoveryCopy();
    void DiscardRecoveryCopy();
    // The window's timer: writes the copy when a change is due by now. True when written.
    bool WriteRecoveryCopyIfDue();
    // Writes the copy at once when a change is not yet in it. False when it cannot be written.
    bool WriteRecoveryCopy();
    // The program ends cleanly: saved, or the examiner declined to save.
    void EndCleanly() { DiscardRecoveryCopy(); }

private:
    bool KeepsRecovery() const { return m_recovery == Recovery::Kept; }

    Session& m_session;
    Recovery m_recovery;
    bool m_recoveryWriteFailed = false;
};

} // namespace quelvarin
