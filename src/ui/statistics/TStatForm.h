#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/StatisticsFilesDesk.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quelvarin::ui {

// The attach dialog: the current protocol's row to a statistics file of the list, or to a new
// file named here. Which file may take it is the desk's to say; the dialog shows the choice.
class TStatForm : public QDialog {
    Q_OBJECT
public:
    TStatForm(StatisticsFilesDesk& desk, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ChooseTarget(StatisticsFilesDesk::Target target);
    void ListFiles();
    void Recheck();
    void NameEdited(const QString& typed);
    void Attach();

    StatisticsFilesDesk& m_desk;
    QRadioButton* m_existing;
    QRadioButton* m_new;
    QListWidget* m_files;
    QWidget* m_namePanel;
    QLineEdit* m_name;
    QPushButton* m_attach;
};

} // namespace quelvarin::ui
