#include "ui/inspection/TFeleletForm.h"

#include "model/Inspection.h"
#include "ui/app/QtText.h"
#include "ui/main/RowChoice.h"
#include "workstation/InspectionTexts.h"

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quelvarin::ui {

TFeleletForm::TFeleletForm(const Session& session, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_session(session), m_answer(new QSpinBox(this)),
      m_rows(new QListWidget(this)), m_row(new QLabel(this)) {
    setObjectName(QStringLiteral("TFeleletForm"));
    setWindowTitle(ToQt(window_texts::kRawAnswerViewerCaption));
    m_answer->setObjectName(QStringLiteral("AnswerNumber"));
    m_answer->setAccessibleName(ToQt(window_texts::kRawAnswerNumberName));
    m_answer->setRange(1, kAnswerCount);
    m_rows->setObjectName(QStringLiteral("SlotRows"));
    m_rows->setAccessibleName(ToQt(window_texts::kRawAnswerRowsName));
    m_row->setObjectName(QStringLiteral("SlotLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_answer);
    layout->addWidget(m_rows);
    layout->addWidget(m_row);
    resize(200, 420);
    connect(m_answer, &QSpinBox::valueChanged, this, &TFeleletForm::Refresh);
    OnRowChosen(m_rows, [this](const QModelIndex& row) {
        const auto& protocol = m_session.CurrentProtocol();
        setWindowTitle(ToQt(RawAnswerCaption(protocol, m_answer->value(), row.row())));
        m_row->setText(ToQt(RawAnswerLabel(row.row())));
    });
    Refresh();
}

void TFeleletForm::Refresh() {
    m_rows->clear();
    for (const auto& row : RawAnswerRows(m_session.CurrentProtocol(), m_answer->value())) {
        m_rows->addItem(ToQt(row));
    }
}

} // namespace quelvarin::ui
