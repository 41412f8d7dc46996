#pragma once

#include "platform/InstallPaths.h"
#include "platform/Notifier.h"
#include "workstation/TopicHelp.h"

#include <QWidget>
#include <optional>

class QAction;
class QLabel;
class QPlainTextEdit;

namespace quelvarin::ui {

// The topic help: the examiner's own notes on the topic of the window that called it (left)
// and the help shipped with the program (right). Edited boxes are saved by "ment", when the
// window loses the focus, when it is closed and before another topic is shown.
class THelpForm : public QWidget {
    Q_OBJECT
public:
    THelpForm(const InstallPaths& paths, Notifier& notifier, QWidget* parent);

    // ShowTopicHelp: the topic of a help file name ("ft.hlp"), shown in front.
    void ShowTopic(const QString& file);
    // Saves each edited box.
    void SaveEdited();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Box {
        QPlainTextEdit* text;
        QLabel* path;
        std::filesystem::path file;
        bool edited = false;
    };
    void Load();
    void Save(Box& box);

    InstallPaths m_paths;
    Notifier& m_notifier;
    std::optional<Topic> m_topic;
    Box m_notes;
    Box m_help;
    QAction* m_save;
    bool m_saving = false; // a failure's message box takes the focus: no second save meanwhile
};

} // namespace quelvarin::ui
