#include "ui/app/QtFileChooser.h"

#include "ui/app/QtText.h"

#include <QApplication>

namespace quelvarin::ui {

namespace {

UiServices::FileDialog DialogOf(const FileDialog& dialog) {
    return {ToQt(dialog.title), ToQt(dialog.folder.string()), ToQt(dialog.filter), ToQt(dialog.proposedName),
            ToQt(dialog.defaultExtension)};
}

std::optional<std::filesystem::path> PathOf(const std::optional<QString>& chosen) {
    if (!chosen) {
        return std::nullopt;
    }
    return std::filesystem::path(FromQt(*chosen));
}

} // namespace

std::optional<std::filesystem::path> QtFileChooser::ChooseFileToOpen(const FileDialog& dialog) {
    return PathOf(m_services.ChooseFileToOpen(QApplication::activeWindow(), DialogOf(dialog)));
}

std::optional<std::filesystem::path> QtFileChooser::ChooseFileToSave(const FileDialog& dialog) {
    return PathOf(m_services.ChooseFileToSave(QApplication::activeWindow(), DialogOf(dialog)));
}

} // namespace quelvarin::ui
