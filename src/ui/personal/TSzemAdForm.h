#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/PersonalDataDesk.h"
#include "workstation/TopicHelpDesk.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace quelvarin::ui {

// "Rorschach: személyi adatok": the subject's personal data, every change stored at once.
// After "új Ro." it opens with the examination code selected, to be typed over.
class TSzemAdForm : public QDialog {
    Q_OBJECT
public:
    TSzemAdForm(PersonalDataDesk& personal, TopicHelpDesk& topics, WindowContext& context, QWidget* main);

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLineEdit* TextField(const QString& name, std::string_view label, PersonalField field);
    QComboBox* ChoiceField(const QString& name, std::string_view label, PersonalField field);
    // The fields as the protocol holds them; a field already showing its value is left alone,
    // so that the cursor stays where the examiner types.
    void ShowFields();
    void ShowChoices();
    void CommitEducation();
    void EditList(ChoiceListKind list);

    PersonalDataDesk& m_personal;
    WindowContext& m_context;
    std::vector<std::pair<QLineEdit*, PersonalField>> m_texts;
    std::vector<std::pair<QComboBox*, PersonalField>> m_choices;
    QComboBox* m_sex;
    QSpinBox* m_age;
    QComboBox* m_education;
    QDateEdit* m_date;
    QListWidget* m_questions;
};

} // namespace quelvarin::ui
