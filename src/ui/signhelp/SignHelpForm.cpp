#include "ui/signhelp/SignHelpForm.h"

#include "ui/app/QtText.h"
#include "workstation/SignHelpWindowTexts.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

SignHelpForm::SignHelpForm(SignHelpDesk& help, HelpFile file, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_help(help), m_file(file), m_text(new QPlainTextEdit(this)) {
    bool scoring = file == HelpFile::Scoring;
    setWindowTitle(ToQt(scoring ? texts::kScoringHelpCaption : texts::kInterpretationHelpCaption));
    auto* menu = new QMenuBar(this);
    m_store = menu->addAction(ToQt(texts::kStoreHelp));
    m_store->setObjectName(QStringLiteral("StoreHelpAction"));
    m_store->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_store->setEnabled(false);
    m_text->setObjectName(QStringLiteral("HelpText"));
    m_text->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menu);
    layout->addWidget(m_text);
    resize(360, 220);

    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        m_store->setEnabled(true);
        m_help.EditHelp(m_file, LinesOf(m_text->toPlainText()));
    });
    connect(m_store, &QAction::triggered, this, [this] {
        if (m_help.StoreHelp(m_file, LinesOf(m_text->toPlainText()))) {
            m_store->setEnabled(false);
        }
    });
}

void SignHelpForm::ShowSign(SignCode code) {
    auto texts = m_help.HelpTextsOf(code);
    Show(m_file == HelpFile::Scoring ? texts.scoring : texts.interpretation);
}

void SignHelpForm::Clear() {
    Show({});
}

void SignHelpForm::Show(const std::vector<std::string>& lines) {
    QSignalBlocker blocker(m_text);
    m_text->setPlainText(TextOf(lines));
    m_store->setEnabled(false);
}

void SignHelpForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Q_EMIT visibilityChanged(true);
}

void SignHelpForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    Q_EMIT visibilityChanged(false);
}

TJelSugForm::TJelSugForm(SignHelpDesk& help, QWidget* parent)
    : SignHelpForm(help, HelpFile::Scoring, parent) {
    setObjectName(QStringLiteral("TJelSugForm"));
}

TErtSugForm::TErtSugForm(SignHelpDesk& help, QWidget* parent)
    : SignHelpForm(help, HelpFile::Interpretation, parent) {
    setObjectName(QStringLiteral("TErtSugForm"));
}

} // namespace quelvarin::ui
