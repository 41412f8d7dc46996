#pragma once

#include "ui/app/UiServices.h"

namespace quelvarin::ui {

// The real dialogs of the desktop, captioned in Hungarian.
class DesktopServices : public UiServices {
public:
    void ShowMessage(QWidget* parent, const QString& text, MessageKind kind) override;
    bool AskYesNo(QWidget* parent, const QString& question) override;
    std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialog& dialog) override;
    std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialog& dialog) override;
    std::optional<int> ChooseFromMenu(QWidget* parent, QPoint globalPosition, const QStringList& items,
                                      const QList<bool>& enabled = {}) override;
    std::optional<QString> AskForText(QWidget* parent, const QString& title, const QString& prompt,
                                      const QString& initial) override;
    bool OpenDocument(const QString& path) override;
};

} // namespace quelvarin::ui
