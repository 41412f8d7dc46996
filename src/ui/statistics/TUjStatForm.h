#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/StatisticsFilesDesk.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace quelvarin::ui {

// A new statistics file for the batch dialog: the name typed, one button whose caption says
// whether it can be made. The file made is left for the caller.
class TUjStatForm : public QDialog {
    Q_OBJECT
public:
    TUjStatForm(StatisticsFilesDesk& desk, WindowContext& context, QWidget* main);

    // The name of the file the last opening made ("name.dat"); empty when it made none.
    const QString& CreatedFile() const { return m_created; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Press();

    StatisticsFilesDesk& m_desk;
    QLineEdit* m_name;
    QPushButton* m_button;
    QString m_created;
};

} // namespace quelvarin::ui
