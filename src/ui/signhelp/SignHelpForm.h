#pragma once

#include "ui/app/WindowContext.h"
#include "ui/widgets/ToolWindow.h"
#include "workstation/SignHelpDesk.h"

class QAction;
class QPlainTextEdit;

namespace quelvarin::ui {

// One of the two help windows of the signs: the text of the sign pointed at or clicked last,
// editable (the edit is handed to the desk as it is typed), stored by "&mentés". In
// HelpEditMode a sign chosen shows the window; the mode switched closes and shows it again.
class SignHelpForm : public ToolWindow {
    Q_OBJECT
public:
    SignHelpForm(SignHelpDesk& help, HelpFile file, WindowContext& context, QWidget* main);

    QPlainTextEdit* TextArea() const { return m_text; }
    QAction* StoreAction() const { return m_store; }

private:
    void ShowSign(SignCode code);
    void Show(const std::vector<std::string>& lines);
    void FollowMode();

    SignHelpDesk& m_help;
    HelpFile m_file;
    QPlainTextEdit* m_text;
    QAction* m_store;
    bool m_editMode = false;
};

// "súgó a jelöléshez": the scoring help (jelol.dbf).
class TJelSugForm : public SignHelpForm {
    Q_OBJECT
public:
    TJelSugForm(SignHelpDesk& help, WindowContext& context, QWidget* main);
};

// "súgó az értelmezéshez": the interpretation help (ert.dbf).
class TErtSugForm : public SignHelpForm {
    Q_OBJECT
public:
    TErtSugForm(SignHelpDesk& help, WindowContext& context, QWidget* main);
};

} // namespace quelvarin::ui
