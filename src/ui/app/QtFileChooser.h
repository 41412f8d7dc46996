#pragma once

#include "platform/FileChooser.h"
#include "ui/app/UiServices.h"

namespace quelvarin::ui {

// The core's file dialogs as the desktop's, over the active window.
class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(UiServices& services) : m_services(services) {}
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialog& dialog) override;
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialog& dialog) override;

private:
    UiServices& m_services;
};

} // namespace quelvarin::ui
