#include "ui/inspection/TFiokForm.h"

#include "model/Inspection.h"
#include "platform/NumberFormat.h"
#include "ui/app/QtText.h"
#include "ui/main/RowChoice.h"
#include "workstation/InspectionTexts.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace quelvarin::ui {

TFiokForm::TFiokForm(const Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_rows(new QListWidget(this)) {
    setObjectName(QStringLiteral("TFiokForm"));
    setWindowTitle(ToQt(window_texts::kCounterViewerCaption));
    setModal(true);
    m_rows->setObjectName(QStringLiteral("CounterRows"));
    m_rows->setAccessibleName(windowTitle());
    m_rows->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_rows);
    resize(260, 420);
    OnRowChosen(m_rows, [this](const QModelIndex& row) {
        setWindowTitle(ToQt(FormatInteger(CounterViewerCode(row.row()))));
    });
}

void TFiokForm::Open() {
    m_rows->clear();
    for (const auto& row : CounterViewerRows(m_session.CurrentProtocol())) {
        m_rows->addItem(ToQt(row));
    }
    setWindowTitle(ToQt(window_texts::kCounterViewerCaption));
    open();
}

} // namespace quelvarin::ui
