#include "workstation/RootFiles.h"

#include "platform/AtomicFile.h"
#include "platform/PrivateFiles.h"
#include "workstation/Messages.h"

#include <system_error>

namespace quelvarin {

bool WriteRootFile(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    CreateFolders(path.parent_path(), error);
    return ReplaceFileAtomically(path, bytes);
}

bool WriteRootFile(const std::filesystem::path& path, std::string_view bytes, Notifier& notifier) {
    if (!WriteRootFile(path, bytes)) {
        notifier.Warning(messages::CannotWrite(path.string()));
        return false;
    }
    return true;
}

} // namespace quelvarin
