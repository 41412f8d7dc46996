#include "platform/PrivateFiles.h"

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <sys/stat.h>
#include <vector>
#define QUELVARIN_POSIX_MODES 1
#endif

namespace quelvarin {
namespace fs = std::filesystem;

#ifdef QUELVARIN_POSIX_MODES
namespace {

// The folder a path lies in; a bare name lies in the current one.
fs::path FolderOf(const fs::path& path) {
    auto folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

mode_t NewFolderMode(const fs::path& folder, NewFolders access) {
    if (access == NewFolders::OwnerOnly) {
        return S_IRWXU;
    }
    // The setgid bit keeps what is made further down in the shared group.
    return S_IRWXU | (ModeOf(FolderOf(folder)) & (S_IRWXG | S_ISGID));
}

} // namespace

bool CreateFolders(const fs::path& path, std::error_code& error, NewFolders access) {
    error.clear();
    // The missing folders, the innermost first; "a/b/" and "a/b" may both be among them.
    std::vector<fs::path> missing;
    for (fs::path folder = path; !folder.empty(); folder = folder.parent_path()) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0) {
            break;
        }
        missing.push_back(folder);
        if (folder == folder.parent_path()) {
            break;
        }
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), S_IRWXU) != 0) {
            if (errno == EEXIST) {
                continue; // made meanwhile, by another name of it or by someone else: not ours to change
            }
            error.assign(errno, std::generic_category());
            return false;
        }
        // mkdir narrowed the mode by the umask, and in a setgid folder added that bit: the exact mode
        // is set here. A file system without modes refuses it, and the folder stays at most 0700.
        ::chmod(it->c_str(), NewFolderMode(*it, access));
    }
    if (!fs::is_directory(path, error)) {
        if (!error) {
            error = std::make_error_code(std::errc::not_a_directory);
        }
        return false;
    }
    return true;
}

unsigned NewFileMode(const fs::path& file) {
    return S_IRUSR | S_IWUSR | (ModeOf(FolderOf(file)) & (S_IRGRP | S_IWGRP));
}

bool CopyNewFile(const fs::path& from, const fs::path& to, std::error_code& error) {
    // The copy first has the mode of the original, which is shipped data and no record.
    if (!fs::copy_file(from, to, fs::copy_options::skip_existing, error)) {
        return false;
    }
    ::chmod(to.c_str(), NewFileMode(to));
    return true;
}

#else

bool CreateFolders(const fs::path& path, std::error_code& error, NewFolders) {
    fs::create_directories(path, error);
    return !error;
}

unsigned NewFileMode(const fs::path&) {
    return 0600;
}

bool CopyNewFile(const fs::path& from, const fs::path& to, std::error_code& error) {
    return fs::copy_file(from, to, fs::copy_options::skip_existing, error);
}

#endif

} // namespace quelvarin
