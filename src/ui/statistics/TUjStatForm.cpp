#include "ui/statistics/TUjStatForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/StatisticsTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

TUjStatForm::TUjStatForm(StatisticsFilesDesk& desk, WindowContext&, QWidget* main)
    : QDialog(main), m_desk(desk),
      m_name(Named(new QLineEdit(this), QStringLiteral("NewFileName"), window_texts::kNewFileNameName)),
      m_button(Named(new QPushButton(this), QStringLiteral("CreateButton"))) {
    setObjectName(QStringLiteral("TUjStatForm"));
    setWindowTitle(ToQt(window_texts::kNewFileCaption));
    setModal(true);
    auto* row = new QHBoxLayout;
    row->addWidget(
        Named(new QLabel(ToQt(m_desk.StatisticsFolderText()), this), QStringLiteral("StatisticsFolder")));
    row->addWidget(m_name);
    row->addWidget(Named(new QLabel(ToQt(window_texts::kDatSuffix), this), QStringLiteral("NewFileSuffix")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_button);
    // The button is pressed by a click only: Enter in the name field must not make a file.
    m_button->setAutoDefault(false);
    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString& name) { m_button->setText(ToQt(m_desk.TypeNewFileName(FromQt(name)))); });
    connect(m_button, &QPushButton::clicked, this, &TUjStatForm::Press);
}

void TUjStatForm::showEvent(QShowEvent* event) {
    m_desk.OpenNewFileWindow();
    m_created.clear();
    m_name->clear();
    m_name->setFocus();
    m_button->setText(ToQt(m_desk.NewFileButton()));
    QDialog::showEvent(event);
}

void TUjStatForm::Press() {
    auto made = m_desk.PressNewFileButton();
    m_button->setText(ToQt(m_desk.NewFileButton()));
    if (made) {
        m_created = ToQt(*made);
        accept();
    }
}

} // namespace quelvarin::ui
