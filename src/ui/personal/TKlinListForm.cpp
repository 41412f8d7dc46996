#include "ui/personal/TKlinListForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/PersonalDataTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TKlinListForm::TKlinListForm(PersonalDataDesk& personal, TopicHelpDesk& topics, WindowContext&, QWidget* main)
    : QDialog(main), m_personal(personal),
      m_questions(
          Named(new QListWidget(this), QStringLiteral("KerdesLista"), texts::kClinicalPickerCaption)) {
    setObjectName(QStringLiteral("TKlinListForm"));
    setWindowTitle(ToQt(texts::kClinicalPickerCaption));
    setModal(true);
    auto* prompt = Named(new QLabel(ToQt(texts::kClinicalPickerPrompt), this), QStringLiteral("Utasitas"));
    prompt->setBuddy(m_questions);
    // A click (or Space) chooses a row and leaves the others as they are.
    m_questions->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* buttons = new QDialogButtonBox(this);
    Named(buttons->addButton(ToQt(texts::kOkButton), QDialogButtonBox::AcceptRole),
          QStringLiteral("RendbenGomb"));
    auto* help = Named(buttons->addButton(ToQt(texts::kHelpButton), QDialogButtonBox::HelpRole),
                       QStringLiteral("SugoGomb"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kClinicalPickerTopic); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_questions);
    layout->addWidget(buttons);
    resize(440, 320);
}

void TKlinListForm::showEvent(QShowEvent* event) {
    m_questions->clear();
    m_questions->addItems(ToQt(m_personal.Choices(ChoiceListKind::ClinicalQuestions)));
    m_questions->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    m_questions->setFocus();
    QDialog::showEvent(event);
}

void TKlinListForm::accept() {
    Lines picked;
    for (int row = 0; row < m_questions->count(); ++row) {
        if (m_questions->item(row)->isSelected()) {
            picked.push_back(FromQt(m_questions->item(row)->text()));
        }
    }
    m_personal.AddClinicalQuestions(picked);
    QDialog::accept();
}

} // namespace quelvarin::ui
