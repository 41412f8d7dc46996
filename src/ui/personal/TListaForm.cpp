#include "ui/personal/TListaForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/PersonalDataTexts.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TListaForm::TListaForm(PersonalDataDesk& personal, WindowContext&, QWidget* main)
    : QDialog(main), m_personal(personal),
      m_text(Named(new QPlainTextEdit(this), QStringLiteral("ListaSzoveg"), texts::kListEditorTextName)),
      m_path(Named(new QLabel(this), QStringLiteral("ListaUtvonal"))) {
    setObjectName(QStringLiteral("TListaForm"));
    setModal(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = Named(buttons->addButton(ToQt(texts::kOkButton), QDialogButtonBox::AcceptRole),
                     QStringLiteral("RendbenGomb"));
    Named(buttons->addButton(ToQt(texts::kCancelButton), QDialogButtonBox::RejectRole),
          QStringLiteral("MegseGomb"));
    ok->setDefault(false);
    ok->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_path);
    layout->addWidget(buttons);
    resize(420, 360);
}

void TListaForm::Edit(ChoiceListKind list) {
    const auto& editing = m_personal.OpenListEditor(list);
    setWindowTitle(ToQt(editing.title));
    m_text->setPlainText(TextOf(editing.lines));
    m_path->setText(ToQt(editing.path.string()));
    open();
    m_text->setFocus();
}

void TListaForm::done(int result) {
    if (result == QDialog::Accepted) {
        // A file that cannot be written keeps the editor open with the examiner's lines.
        if (!m_personal.SaveListEditor(LinesOf(m_text->toPlainText()))) {
            return;
        }
    } else {
        m_personal.CancelListEditor();
    }
    QDialog::done(result);
}

} // namespace quelvarin::ui
