#include "ui/reports/TEredmenyForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/ReportWindowTexts.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

TEredmenyForm::TEredmenyForm(ReportsDesk& reports, WindowContext&, QWidget* main)
    : QDialog(main), m_reports(reports),
      m_text(Named(new QPlainTextEdit(this), QStringLiteral("SzoszedetSzoveg"), texts::kGlossaryTextName)) {
    setObjectName(QStringLiteral("TEredmenyForm"));
    setWindowTitle(ToQt(texts::kGlossaryDesignCaption));
    setModal(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* regenerate = Named(new QPushButton(ToQt(texts::kRegenerateHelpPagesButton), this),
                             QStringLiteral("Button1"), {}, texts::kRegenerateHelpPagesHint);
    regenerate->setAutoDefault(false);
    connect(regenerate, &QPushButton::clicked, this, [this] { m_reports.RegenerateHelpPages(); });
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 0, 4, 4);
    buttons->addStretch();
    buttons->addWidget(regenerate);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(600, 560);
}

void TEredmenyForm::showEvent(QShowEvent* event) {
    setWindowTitle(ToQt(m_reports.GlossaryTitle()));
    m_text->setPlainText(TextOf(m_reports.BuildGlossary()));
    if (auto* shown = screen()) {
        QRect place(QPoint(), frameGeometry().size());
        place.moveCenter(shown->availableGeometry().center());
        move(place.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace quelvarin::ui
