#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/PersonalDataDesk.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace quelvarin::ui {

// The list editor: one of the clinic's list files as plain lines. "rendben" writes the file,
// "mégse" (or closing) leaves it as it was.
class TListaForm : public QDialog {
    Q_OBJECT
public:
    TListaForm(PersonalDataDesk& personal, WindowContext& context, QWidget* main);

    // Opens the editor on a list, modal over the personal data; `finished` tells the end.
    void Edit(ChoiceListKind list);

    void done(int result) override;

private:
    PersonalDataDesk& m_personal;
    QPlainTextEdit* m_text;
    QLabel* m_path;
};

} // namespace quelvarin::ui
