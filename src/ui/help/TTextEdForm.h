#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/TextFileDesk.h"

#include <QDialog>

class QAction;
class QLabel;
class QListView;

namespace quelvarin::ui {

class RowsModel;

// The text-file editor: any text file, line by line, saved back where it came from. The lines
// and their edits are the text-file desk's; closing offers an unsaved edit for saving.
class TTextEdForm : public QDialog {
    Q_OBJECT
public:
    TTextEdForm(TextFileDesk& files, WindowContext& context, QWidget* main);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The lines as the desk has them, the chosen one chosen.
    void Refresh(int chosen);
    void RowMenu(QPoint globalPosition);

    TextFileDesk& m_files;
    UiServices& m_services;
    RowsModel* m_model;
    QListView* m_list;
    QLabel* m_index;
    QAction* m_save;
};

} // namespace quelvarin::ui
