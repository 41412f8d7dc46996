#include "workstation/WordDocument.h"

#include "platform/AtomicFile.h"
#include "platform/Utf8.h"
#include "workstation/Messages.h"
#include "workstation/RootFiles.h"

#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;
namespace {

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A copy of `source` put atomically in the place of `target`.
std::optional<fs::path> CopyInto(const fs::path& source, const fs::path& target, Notifier& notifier) {
    auto bytes = ReadFileBytes(source);
    if (!bytes) {
        notifier.Warning(messages::CannotRead(source.string()));
        return std::nullopt;
    }
    if (!WriteRootFile(target, *bytes, notifier)) {
        return std::nullopt;
    }
    return target;
}

// The template a new document starts from: the user's own, else the installed one.
std::optional<fs::path> TemplateToCopy(const InstallPaths& paths, Notifier& notifier) {
    for (const auto& candidate : {paths.WordTemplateFile(), paths.ShippedWordTemplateFile()}) {
        if (Exists(candidate)) {
            return candidate;
        }
    }
    notifier.Message(messages::MissingWordTemplate(paths.WordTemplateFile().string(),
                                                   paths.ShippedWordTemplateFile().string()));
    return std::nullopt;
}

} // namespace

std::optional<fs::path> PrepareWordDocument(const InstallPaths& paths, std::string_view code,
                                            Notifier& notifier) {
    auto trimmed = TrimBlanks(code);
    if (trimmed.empty()) {
        notifier.Message(messages::kNoExaminationCode);
        return std::nullopt;
    }
    auto document = paths.WordDocumentFile(trimmed);
    if (IsFile(document)) {
        return document;
    }
    auto source = TemplateToCopy(paths, notifier);
    if (!source) {
        return std::nullopt;
    }
    return CopyInto(*source, document, notifier);
}

std::optional<fs::path> PrepareOwnTemplate(const InstallPaths& paths, Notifier& notifier) {
    auto own = paths.WordTemplateFile();
    if (IsFile(own)) {
        return own;
    }
    auto shipped = paths.ShippedWordTemplateFile();
    if (!Exists(shipped)) {
        notifier.Message(messages::MissingWordTemplate(own.string(), shipped.string()));
        return std::nullopt;
    }
    return CopyInto(shipped, own, notifier);
}

} // namespace quelvarin
