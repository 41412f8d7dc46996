#pragma once

#include <filesystem>
#include <system_error>

namespace quelvarin {

// Protocols and answer texts name the examined person, so what the program creates is its user's:
// no other user of the machine gets any access. A root shared through a group (a folder 2770, say)
// passes its group's access on to what is made in it. Folders and files that already exist keep
// the mode they have. On systems without POSIX modes these are plain creations.

// Who may use the folders CreateFolders makes.
enum class NewFolders {
    // 0700 plus the group bits and the setgid bit of the folder each is made in.
    ShareParentGroup,
    // 0700 exactly: a new root and the folders above it.
    OwnerOnly,
};

// Creates the folder and those above it that are missing, as std::filesystem::create_directories
// does. True when the folder is there afterwards; otherwise false with the error set.
bool CreateFolders(const std::filesystem::path& path, std::error_code& error,
                   NewFolders access = NewFolders::ShareParentGroup);

// The mode a file created at `file` gets: read and write for its owner, plus the group read and
// write of the folder it is in. Never any bit for other users.
unsigned NewFileMode(const std::filesystem::path& file);

// Copies the file to `to` when nothing is there yet; the copy gets NewFileMode, not the mode of
// the original. False when nothing was copied: `to` was there, or the error says why.
bool CopyNewFile(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error);

} // namespace quelvarin
