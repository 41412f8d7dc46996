#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quelvarin {

// What a file dialog shows: its title, the folder it starts in, the file type it lists, and
// for a save dialog the name it proposes and the extension added when none is typed.
struct FileDialog {
    std::string title;
    std::filesystem::path folder;
    std::string filter; // "Rorschach mentett fájl (*.qvl)"
    std::string proposedName;
    std::string defaultExtension; // "qvl"
    bool operator==(const FileDialog&) const = default;
};

// The file dialogs of the desktop, behind an interface so that the flows that ask for a file
// run in tests and in programs without windows.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file; nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialog& dialog) = 0;
    // The dialog itself asks nothing before overwriting: the caller asks.
    virtual std::optional<std::filesystem::path> ChooseFileToSave(const FileDialog& dialog) = 0;
};

// Where no dialog can be shown (the command line): every dialog is cancelled.
class NoFileChooser : public FileChooser {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialog&) override { return std::nullopt; }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialog&) override { return std::nullopt; }
};

} // namespace quelvarin
