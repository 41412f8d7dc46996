#pragma once

#include "workstation/Session.h"

#include <QDialog>

class QListWidget;

namespace quelvarin::ui {

// "Fiókok": every counter of the protocol, "G=3;", one row per code 90..497; a click shows the
// row's code in the caption.
class TFiokForm : public QDialog {
    Q_OBJECT
public:
    TFiokForm(const Session& session, QWidget* parent);

    // Fills the rows from the protocol and shows the window.
    void Open();

private:
    const Session& m_session;
    QListWidget* m_rows;
};

} // namespace quelvarin::ui
