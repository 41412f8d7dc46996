#pragma once

#include "platform/Notifier.h"
#include "ui/app/UiServices.h"
#include "workstation/TextFileLines.h"

#include <QDialog>

class QAction;
class QLabel;
class QListWidget;

namespace quelvarin::ui {

// The text-file editor: any text file, line by line, saved back where it came from.
class TTextEdForm : public QDialog {
    Q_OBJECT
public:
    TTextEdForm(UiServices& services, Notifier& notifier, QWidget* parent);

    // "megnyit": the file's lines in the list.
    void OpenFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill(int selected);
    void UpdateActions();
    void RowMenu(QPoint globalPosition);

    UiServices& m_services;
    Notifier& m_notifier;
    TextFileLines m_lines;
    QListWidget* m_list;
    QLabel* m_index;
    QAction* m_save;
};

} // namespace quelvarin::ui
