#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/ScoringDesk.h"

#include <QDialog>

class QListWidget;

namespace quelvarin::ui {

// The card choice: "válasz törlése" and the ten cards; the chosen item becomes the card of the
// selected answer. It opens, window-modal, beside the answer list whenever the session offers
// the choice, with the card it names preselected, and closes when the offer is taken back.
class TTSZValForm : public QDialog {
    Q_OBJECT
public:
    TTSZValForm(ScoringDesk& scoring, WindowContext& context, QWidget* main);

    void done(int result) override;

private:
    void Follow();
    void Choose(int item);

    ScoringDesk& m_scoring;
    QListWidget* m_items;
};

} // namespace quelvarin::ui
