#pragma once

#include "workstation/PendingEdit.h"
#include "workstation/Session.h"
#include "workstation/TextFileLines.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace quelvarin {

// The text-file editor: one text file at a time, edited line by line. An edit not yet saved is
// offered for saving before another file is opened, when the window closes and before the
// program ends.
class TextFileDesk : private PendingEdit {
public:
    explicit TextFileDesk(Session& session) : m_session(session) { m_session.AddPendingEdit(*this); }

    const TextFileLines& File() const { return m_file; }
    // The label that shows a line clicked: its index from 0.
    std::string LineLabel(std::size_t row) const { return RowIndexLabel(row); }

    // "megnyit": the open dialog; the chosen file's lines replace the ones shown.
    bool Open();
    // The same for a file already chosen.
    bool OpenFile(const std::filesystem::path& path);
    // "ment".
    bool Save();
    // The window closes: the file is forgotten, its edit saved first if the examiner wants.
    void Close();

    // "insert": "új sor" before the row, or after the last row when none is chosen (so that an
    // empty file gets its first line).
    bool InsertLine(std::optional<std::size_t> before);
    // "edit": the row's text in place of the row.
    bool ReplaceLine(std::size_t row, std::string_view text) { return m_file.Replace(row, text); }
    // "delete".
    bool RemoveLine(std::size_t row) { return m_file.Remove(row); }

private:
    void Settle() override { OfferToSave(); }
    // Asks whether to save an unsaved edit, and saves it.
    void OfferToSave();

    Session& m_session;
    TextFileLines m_file;
};

} // namespace quelvarin
