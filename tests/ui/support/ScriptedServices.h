#pragma once

#include "ui/app/UiServices.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <optional>

namespace quelvarin::ui::test {

// The tests' desktop: every message and question is recorded; questions, file dialogs, menus
// and the input dialog are answered from queues (a question with nothing queued is answered
// no, a dialog is cancelled, a menu dismissed); documents are recorded, never opened.
class ScriptedServices : public UiServices {
public:
    void ShowMessage(QWidget*, const QString& text, MessageKind kind) override {
        messages.append(text);
        messageKinds.append(kind);
    }
    bool AskYesNo(QWidget*, const QString& question) override {
        questions.append(question);
        return !answers.isEmpty() && answers.dequeue();
    }
    std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialog& dialog) override {
        dialogs.append(dialog);
        return Next(files);
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const FileDialog& dialog) override {
        dialogs.append(dialog);
        return Next(files);
    }
    std::optional<int> ChooseFromMenu(QWidget*, QPoint at, const QStringList& items,
                                      const QList<bool>& enabled) override {
        menus.append(items);
        menuPositions.append(at);
        menuEnabled.append(enabled);
        if (menuChoices.isEmpty()) {
            return std::nullopt;
        }
        return menuChoices.dequeue();
    }
    std::optional<QString> AskForText(QWidget*, const QString& title, const QString&,
                                      const QString& initial) override {
        textTitles.append(title);
        textInitials.append(initial);
        return Next(texts);
    }
    bool OpenDocument(const QString& path) override {
        opened.append(path);
        return openSucceeds;
    }

    // Answers, in the order they are asked for; an empty string cancels a dialog.
    QQueue<bool> answers;
    QQueue<QString> files;
    QQueue<int> menuChoices;
    QQueue<QString> texts;
    bool openSucceeds = true;

    // What was shown and asked.
    QStringList messages;
    QList<MessageKind> messageKinds;
    QStringList questions;
    QList<FileDialog> dialogs;
    QList<QStringList> menus;
    QList<QPoint> menuPositions;
    QList<QList<bool>> menuEnabled;
    QStringList textTitles;
    QStringList textInitials;
    QStringList opened;

private:
    static std::optional<QString> Next(QQueue<QString>& queue) {
        if (queue.isEmpty()) {
            return std::nullopt;
        }
        auto next = queue.dequeue();
        return next.isEmpty() ? std::nullopt : std::optional<QString>(next);
    }
};

} // namespace quelvarin::ui::test
