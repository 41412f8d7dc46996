#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace quelvarin::ui {

// Everything a window hands over to the desktop: message boxes, questions, file dialogs,
// popup menus, the line-input dialog and opening a document in its program. The workstation
// uses the real ones; the tests answer them from a script, so that no test ever waits on a
// dialog, a menu or a browser.
// A message box tells something (the information icon) or reports a failure (the warning icon).
enum class MessageKind { Information, Warning };

class UiServices {
public:
    virtual ~UiServices() = default;

    virtual void ShowMessage(QWidget* parent, const QString& text,
                             MessageKind kind = MessageKind::Information) = 0;
    // A yes/no question; true is yes.
    virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;

    struct FileDialog {
        QString title;
        QString folder;
        QString filter;        // "Rorschach mentett fájl (*.qvl)"
        QString proposedName;  // save dialogs only
        QString defaultSuffix; // save dialogs only: added when none is typed
    };
    // The chosen file; nothing when the dialog was cancelled.
    virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialog& dialog) = 0;
    // The save dialog asks nothing before overwriting: the window asks, through AskYesNo.
    virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialog& dialog) = 0;

    // A popup menu at a screen position; the index of the chosen item, nothing when dismissed.
    // Items whose flag in `enabled` is false are shown greyed (all are enabled without flags).
    virtual std::optional<int> ChooseFromMenu(QWidget* parent, QPoint globalPosition,
                                              const QStringList& items, const QList<bool>& enabled = {}) = 0;
    // The line-input dialog; nothing when cancelled.
    virtual std::optional<QString> AskForText(QWidget* parent, const QString& title, const QString& prompt,
                                              const QString& initial) = 0;

    // Opens a document (an HTML page, a Word document) in the program the desktop has for it.
    virtual bool OpenDocument(const QString& path) = 0;
};

} // namespace quelvarin::ui
