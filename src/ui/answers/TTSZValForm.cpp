#include "ui/answers/TTSZValForm.h"

#include "ui/app/QtText.h"
#include "ui/main/RowChoice.h"
#include "workstation/CardChoiceTexts.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace quelvarin::ui {

TTSZValForm::TTSZValForm(ScoringDesk& scoring, QWidget* parent)
    : QDialog(parent), m_scoring(scoring), m_items(new QListWidget(this)) {
    setObjectName(QStringLiteral("TTSZValForm"));
    setWindowTitle(ToQt(window_texts::kCardChoiceTitle));
    setModal(true);
    m_items->setObjectName(QStringLiteral("CardChoiceList"));
    m_items->setAccessibleName(ToQt(window_texts::kCardChoiceTitle));
    for (int item = 0; item <= kCardCount; ++item) {
        m_items->addItem(ToQt(window_texts::CardChoiceItem(item)));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_items);
    setFixedSize(150, 222);
    OnRowChosen(m_items, [this](const QModelIndex& row) { Choose(row.row()); });
}

void TTSZValForm::Offer(int currentCard, QPoint topLeft) {
    m_items->setCurrentRow(currentCard > 0 ? currentCard : -1);
    move(topLeft);
    // Window-modal and not blocking: the choice arrives through the list.
    open();
    m_items->setFocus();
}

void TTSZValForm::Choose(int item) {
    accept();
    m_scoring.ChooseCard(item);
}

} // namespace quelvarin::ui
