#include "ui/inspection/TFiokForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowChoice.h"
#include "ui/widgets/RowsModel.h"
#include "workstation/InspectionTexts.h"

#include <QListView>
#include <QVBoxLayout>

namespace quelvarin::ui {

TFiokForm::TFiokForm(InspectionDesk& inspection, WindowContext&, QWidget* main)
    : QDialog(main), m_inspection(inspection),
      m_model(new RowsModel([this] { return m_inspection.CounterRows(); }, this)),
      m_rows(Named(new QListView(this), QStringLiteral("CounterRows"), window_texts::kCounterViewerCaption)) {
    setObjectName(QStringLiteral("TFiokForm"));
    setWindowTitle(ToQt(window_texts::kCounterViewerCaption));
    setModal(true);
    m_rows->setModel(m_model);
    m_rows->setUniformItemSizes(true);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_rows);
    resize(260, 420);
    OnRowChosen(m_rows, [this](const QModelIndex& row) {
        setWindowTitle(ToQt(m_inspection.CounterCaption(row.row())));
    });
}

void TFiokForm::showEvent(QShowEvent* event) {
    // Modal: the counters cannot change while it is open, only between two openings.
    m_model->Refresh();
    setWindowTitle(ToQt(window_texts::kCounterViewerCaption));
    QDialog::showEvent(event);
}

} // namespace quelvarin::ui
