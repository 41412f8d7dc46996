#include "ui/answers/TTSZValForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowChoice.h"
#include "workstation/CardChoiceTexts.h"
#include "workstation/MainWindowLayout.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace quelvarin::ui {

TTSZValForm::TTSZValForm(ScoringDesk& scoring, WindowContext& context, QWidget* main)
    : QDialog(main), m_scoring(scoring),
      m_items(
          Named(new QListWidget(this), QStringLiteral("CardChoiceList"), window_texts::kCardChoiceTitle)) {
    setObjectName(QStringLiteral("TTSZValForm"));
    setWindowTitle(ToQt(window_texts::kCardChoiceTitle));
    setModal(true);
    for (int item = 0; item <= kCardCount; ++item) {
        m_items->addItem(ToQt(window_texts::CardChoiceItem(item)));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_items);
    setFixedSize(150, 222);
    OnRowChosen(m_items, [this](const QModelIndex& row) { Choose(row.row()); });
    connect(&context.signals, &SessionSignals::cardChoiceChanged, this, &TTSZValForm::Follow);
}

void TTSZValForm::Follow() {
    const auto& offer = m_scoring.State().CardChoiceOffered();
    if (!offer) {
        if (isVisible()) {
            QDialog::done(Rejected);
        }
        return;
    }
    m_items->setCurrentRow(offer->preselected > 0 ? offer->preselected : -1);
    using namespace main_window;
    move(parentWidget()->mapToGlobal(QPoint(kAnswerPanelLeft + kAnswerListWidth, kCardChoiceTop)));
    // Window-modal and not blocking: the choice arrives through the list.
    open();
    m_items->setFocus();
}

void TTSZValForm::Choose(int item) {
    m_scoring.ChooseCard(item);
}

void TTSZValForm::done(int result) {
    QDialog::done(result);
    // Closed without a choice (Esc, the frame): the answer keeps its card of 0.
    if (m_scoring.State().CardChoiceWanted()) {
        m_scoring.CloseCardChoice();
    }
}

} // namespace quelvarin::ui
