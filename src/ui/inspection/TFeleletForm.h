#pragma once

#include "workstation/Session.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QSpinBox;

namespace quelvarin::ui {

// The raw answer viewer: the card and the 30 slot values of an answer as numbers; a click
// names the row's sign (or the card) in the caption.
class TFeleletForm : public QWidget {
    Q_OBJECT
public:
    TFeleletForm(const Session& session, QWidget* parent);

    // The rows of the answer in the spin box, from the protocol as it is now.
    void Refresh();

private:
    const Session& m_session;
    QSpinBox* m_answer;
    QListWidget* m_rows;
    QLabel* m_row;
};

} // namespace quelvarin::ui
