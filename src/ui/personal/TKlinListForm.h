#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/PersonalDataDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <QDialog>

class QListWidget;

namespace quelvarin::ui {

// The clinical-questions picker: the clinic's questions, several chosen at once, added to the
// personal data on "rendben".
class TKlinListForm : public QDialog {
    Q_OBJECT
public:
    TKlinListForm(PersonalDataDesk& personal, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    PersonalDataDesk& m_personal;
    QListWidget* m_questions;
};

} // namespace quelvarin::ui
