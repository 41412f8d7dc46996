#pragma once

#include "workstation/ScoringDesk.h"

#include <QDialog>

class QListWidget;

namespace quelvarin::ui {

// The card choice: "válasz törlése" and the ten cards; the chosen item becomes the card of the
// selected answer. Modal, opened beside the answer list.
class TTSZValForm : public QDialog {
    Q_OBJECT
public:
    TTSZValForm(ScoringDesk& scoring, QWidget* parent);

    // Shows the window with the answer's card preselected (none for a card of 0).
    void Offer(int currentCard, QPoint topLeft);

private:
    void Choose(int item);

    ScoringDesk& m_scoring;
    QListWidget* m_items;
};

} // namespace quelvarin::ui
