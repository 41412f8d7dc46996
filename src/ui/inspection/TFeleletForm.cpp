#include "ui/inspection/TFeleletForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowChoice.h"
#include "ui/widgets/RowsModel.h"
#include "workstation/InspectionTexts.h"

#include <QLabel>
#include <QListView>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TFeleletForm::TFeleletForm(InspectionDesk& inspection, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_inspection(inspection),
      m_answer(Named(new QSpinBox(this), QStringLiteral("AnswerNumber"), texts::kRawAnswerNumberName)),
      m_model(new RowsModel([this] { return m_inspection.RawAnswerRows(m_answer->value()); }, this)),
      m_rows(Named(new QListView(this), QStringLiteral("SlotRows"), texts::kRawAnswerRowsName)),
      m_row(Named(new QLabel(this), QStringLiteral("SlotLabel"))) {
    setObjectName(QStringLiteral("TFeleletForm"));
    setWindowTitle(ToQt(texts::kRawAnswerViewerCaption));
    m_answer->setRange(1, kAnswerCount);
    m_rows->setModel(m_model);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_answer);
    layout->addWidget(m_rows);
    layout->addWidget(m_row);
    resize(200, 420);
    connect(m_answer, &QSpinBox::valueChanged, this, &TFeleletForm::Refresh);
    OnRowChosen(m_rows, [this](const QModelIndex& row) {
        setWindowTitle(ToQt(m_inspection.RawAnswerCaption(m_answer->value(), row.row())));
        m_row->setText(ToQt(m_inspection.RawAnswerLabel(row.row())));
    });
    // The slots change as answers are scored, and all of them with another protocol.
    connect(&context.signals, &SessionSignals::answerChanged, this, [this](int answer) {
        if (answer == m_answer->value()) {
            Refresh();
        }
    });
    connect(&context.signals, &SessionSignals::protocolReplaced, this, &TFeleletForm::Refresh);
}

void TFeleletForm::Refresh() {
    if (isVisible()) {
        m_model->Refresh();
    }
}

void TFeleletForm::showEvent(QShowEvent* event) {
    m_model->Refresh();
    ToolWindow::showEvent(event);
}

} // namespace quelvarin::ui
