#include "ui/answers/TValaszForm.h"

#include "ui/app/QtText.h"
#include "workstation/AnswerTextWindowTexts.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quelvarin::ui {

TValaszForm::TValaszForm(ScoringDesk& scoring, const InstallPaths& paths, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_scoring(scoring), m_paths(paths), m_text(new QPlainTextEdit(this)),
      m_path(new QLabel(this)) {
    setObjectName(QStringLiteral("TValaszForm"));
    m_text->setObjectName(QStringLiteral("AnswerText"));
    m_path->setObjectName(QStringLiteral("AnswerTextPath"));
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_text);
    layout->addWidget(m_path);
    resize(420, 260);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { m_edited = true; });
    Follow();
}

void TValaszForm::Flush() {
    if (m_edited && m_shown > 0) {
        m_scoring.StoreAnswerText(m_shown, LinesOf(m_text->toPlainText()));
    }
    m_edited = false;
}

void TValaszForm::Follow() {
    Flush();
    auto answer = m_scoring.State().CurrentAnswer();
    m_shown = answer.value_or(0);
    QSignalBlocker blocker(m_text);
    setWindowTitle(ToQt(window_texts::AnswerTextCaption(m_shown)));
    m_text->setAccessibleName(windowTitle());
    if (!answer) {
        // No answer, no file: the window shows nothing and writes nothing.
        m_text->clear();
        m_text->setReadOnly(true);
        m_path->clear();
        return;
    }
    m_text->setReadOnly(false);
    m_text->setPlainText(TextOf(m_scoring.AnswerTextOf(m_shown)));
    m_path->setText(ToQt(m_paths.AnswerTextFile(m_shown).string()));
}

void TValaszForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        Flush();
    }
}

void TValaszForm::hideEvent(QHideEvent* event) {
    Flush();
    QWidget::hideEvent(event);
    Q_EMIT visibilityChanged(false);
}

void TValaszForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Q_EMIT visibilityChanged(true);
}

} // namespace quelvarin::ui
