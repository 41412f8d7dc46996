#include "ui/joint/TKRVSzemForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/JointTexts.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts::joint_exam;

TKRVSzemForm::TKRVSzemForm(JointDesk& joint, WindowContext&, QWidget* main)
    : QDialog(main), m_joint(joint),
      m_text(Named(new QPlainTextEdit(this), QStringLiteral("PersonalText"), texts::kPersonalDataTextName)) {
    setObjectName(QStringLiteral("TKRVSzemForm"));
    setWindowTitle(ToQt(texts::kPersonalDataCaption));
    setModal(true);
    auto* seats = new QButtonGroup(this);
    seats->setExclusive(true);
    auto* toggles = new QHBoxLayout;
    for (int person = 1; person <= 2; ++person) {
        auto* button = Named(new QPushButton(this), QStringLiteral("Person%1Toggle").arg(person));
        button->setCheckable(true);
        seats->addButton(button, person);
        toggles->addWidget(button);
        m_persons[static_cast<std::size_t>(person - 1)] = button;
        connect(button, &QPushButton::clicked, this, [this, person] { ShowPerson(person); });
    }
    auto* ok = Named(new QPushButton(ToQt(texts::kOk), this), QStringLiteral("OkButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        m_joint.SetPersonalData(m_person, FromQt(m_text->toPlainText()));
        // The caption and the toggle follow the first line as it is typed.
        setWindowTitle(ToQt(m_joint.Joint().PersonalDataCaption(m_person)));
        m_persons[static_cast<std::size_t>(m_person - 1)]->setText(
            ToQt(m_joint.PersonalDataButton(m_person)));
    });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(toggles);
    layout->addWidget(m_text, 1);
    layout->addLayout(bottom);
    resize(420, 320);
    ShowTexts();
}

void TKRVSzemForm::ShowPerson(int person) {
    if (person != 1 && person != 2) {
        return;
    }
    m_person = person;
    ShowTexts();
}

void TKRVSzemForm::ShowTexts() {
    const auto& persons = m_joint.Joint().Persons();
    {
        QSignalBlocker quiet(m_text);
        m_text->setPlainText(ToQt(persons[static_cast<std::size_t>(m_person - 1)].personalData));
    }
    for (int person = 1; person <= 2; ++person) {
        auto* button = m_persons[static_cast<std::size_t>(person - 1)];
        button->setText(ToQt(m_joint.PersonalDataButton(person)));
        button->setChecked(person == m_person);
    }
    setWindowTitle(ToQt(m_joint.Joint().PersonalDataCaption(m_person)));
}

void TKRVSzemForm::showEvent(QShowEvent* event) {
    ShowTexts(); // the texts as the record holds them now
    QDialog::showEvent(event);
}

void TKRVSzemForm::done(int result) {
    m_joint.ClosePersonalData();
    QDialog::done(result);
}

} // namespace quelvarin::ui
