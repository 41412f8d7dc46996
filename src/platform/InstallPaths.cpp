#include "platform/InstallPaths.h"

#include "platform/DocumentFileName.h"
#include "platform/PrivateFiles.h"

#include <cstdlib>
#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;

fs::path InstallPaths::DefaultRoot() {
#if defined(_WIN32)
    return fs::path("C:\\tamrel\\quelva");
#else
    const char* home = std::getenv("HOME");
    fs::path base = home && *home ? fs::path(home) : fs::current_path();
    return base / ".local" / "share" / "tamrel" / "quelva";
#endif
}

fs::path InstallPaths::Resolve(std::string_view backslashed) const {
    fs::path result = m_root;
    std::size_t start = 0;
    while (start <= backslashed.size()) {
        auto end = backslashed.find_first_of("\\/", start);
        auto part = backslashed.substr(start, end == std::string_view::npos ? end : end - start);
        if (!part.empty()) {
            result /= fs::path(std::string(part));
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return result;
}

fs::path InstallPaths::HandOverFile() const {
    return m_root.parent_path() / "helvor" / "aktualis" / "aktualis.dat";
}

fs::path InstallPaths::AnswerTextFile(int answer) const {
    return CurrentFolder() / (std::to_string(answer) + ".txt");
}

fs::path InstallPaths::ListFile(std::string_view name) const {
    return m_root / (std::string(name) + ".lst");
}

fs::path InstallPaths::SoundFile(std::string_view language, unsigned code) const {
    return m_root / "hangok" / std::string(language) / (std::to_string(code) + ".wav");
}

fs::path InstallPaths::CardGlyphFile(int card) const {
    return LocationFolder() / ("lok_" + std::to_string(card) + ".bmp");
}

fs::path InstallPaths::WordDocumentFile(std::string_view code) const {
    return m_root / "doc" / (DocumentFileName(code) + ".doc");
}

fs::path FindShippedTree(const fs::path& executable) {
    std::error_code error;
    auto installed = executable.parent_path().parent_path() / "share" / "quelvarin" / "quelva";
    if (!executable.empty() && fs::is_directory(installed, error)) {
        return installed;
    }
#ifdef QUELVARIN_SHIPPED_TREE
    return fs::path(QUELVARIN_SHIPPED_TREE);
#else
    return installed;
#endif
}

bool EnsureInstallTree(const fs::path& root, const fs::path& shipped) {
    std::error_code error;
    if (fs::exists(root, error)) {
        return true;
    }
    return SeedInstallTree(shipped, root);
}

bool SeedInstallTree(const fs::path& shipped, const fs::path& root) {
    std::error_code error;
    if (!fs::is_directory(shipped, error)) {
        return false;
    }
    // A new root holds records: its user's alone, as are the folders made above it. A clinic that
    // shares one through a group sets that up on the root once.
    if (!CreateFolders(root, error, NewFolders::OwnerOnly)) {
        return false;
    }
    bool ok = true;
    for (auto it = fs::recursive_directory_iterator(shipped, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().filename() == ".gitkeep") {
            continue; // keeps an empty folder in the repository; not part of the tree
        }
        auto target = root / fs::relative(it->path(), shipped, error);
        if (error) {
            ok = false;
            break;
        }
        if (it->is_directory(error)) {
            CreateFolders(target, error);
        } else if (!fs::exists(target, error)) {
            CopyNewFile(it->path(), target, error);
        }
        if (error) {
            ok = false;
            error.clear();
        }
    }
    return ok && !error;
}

} // namespace quelvarin
