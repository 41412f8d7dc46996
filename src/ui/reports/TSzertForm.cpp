#include "ui/reports/TSzertForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/ReportWindowTexts.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TSzertForm::TSzertForm(ReportsDesk& reports, WindowContext&, QWidget* main)
    : QDialog(main), m_reports(reports),
      m_text(Named(new QPlainTextEdit(this), QStringLiteral("SzovegesErtelmezes"),
                   texts::kInterpretationTextName)) {
    setObjectName(QStringLiteral("TSzertForm"));
    setWindowTitle(ToQt(texts::kInterpretationDesignCaption));
    setModal(true);
    // The text lines up its columns with blanks, and carries its own line breaks.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(720, 560);
}

bool TSzertForm::PrepareToShow() {
    auto lines = m_reports.WriteInterpretation();
    if (!lines) {
        return false;
    }
    setWindowTitle(ToQt(m_reports.InterpretationTitle()));
    m_text->setPlainText(TextOf(*lines));
    return true;
}

} // namespace quelvarin::ui
