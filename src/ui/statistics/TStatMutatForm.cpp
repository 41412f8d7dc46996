#include "ui/statistics/TStatMutatForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/StatisticsTexts.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quelvarin::ui {

TStatMutatForm::TStatMutatForm(StatisticsFilesDesk& desk, WindowContext&, QWidget* main)
    : QDialog(main), m_desk(desk), m_text(Named(new QPlainTextEdit(this), QStringLiteral("StatisticsText"),
                                                window_texts::kStatisticsTextName)) {
    setObjectName(QStringLiteral("TStatMutatForm"));
    setModal(true);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
}

bool TStatMutatForm::ShowFile(const QString& caption, const std::filesystem::path& file) {
    auto text = m_desk.FileText(file);
    if (!text) {
        return false;
    }
    m_text->setPlainText(ToQt(*text));
    setWindowTitle(caption);
    setWindowState(windowState() | Qt::WindowMaximized);
    open();
    return true;
}

} // namespace quelvarin::ui
