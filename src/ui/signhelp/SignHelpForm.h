#pragma once

#include "workstation/SignHelpDesk.h"

#include <QWidget>

class QAction;
class QPlainTextEdit;

namespace quelvarin::ui {

// One of the two help windows of the signs: the text of the sign pointed at or clicked last,
// editable, stored by "&mentés".
class SignHelpForm : public QWidget {
    Q_OBJECT
public:
    SignHelpForm(SignHelpDesk& help, HelpFile file, QWidget* parent);

    // The texts of the sign the session shows.
    void ShowSign(SignCode code);
    void Clear();
    QPlainTextEdit* TextArea() const { return m_text; }
    QAction* StoreAction() const { return m_store; }

Q_SIGNALS:
    void visibilityChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Show(const std::vector<std::string>& lines);

    SignHelpDesk& m_help;
    HelpFile m_file;
    QPlainTextEdit* m_text;
    QAction* m_store;
};

// "súgó a jelöléshez": the scoring help (jelol.dbf).
class TJelSugForm : public SignHelpForm {
    Q_OBJECT
public:
    TJelSugForm(SignHelpDesk& help, QWidget* parent);
};

// "súgó az értelmezéshez": the interpretation help (ert.dbf).
class TErtSugForm : public SignHelpForm {
    Q_OBJECT
public:
    TErtSugForm(SignHelpDesk& help, QWidget* parent);
};

} // namespace quelvarin::ui
