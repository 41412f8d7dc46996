#include "ui/answers/TValaszForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/EditEnds.h"
#include "ui/widgets/Named.h"
#include "workstation/AnswerTextWindowTexts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quelvarin::ui {

TValaszForm::TValaszForm(ScoringDesk& scoring, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_scoring(scoring),
      m_text(Named(new QPlainTextEdit(this), QStringLiteral("AnswerText"))),
      m_path(Named(new QLabel(this), QStringLiteral("AnswerTextPath"))) {
    setObjectName(QStringLiteral("TValaszForm"));
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_text);
    layout->addWidget(m_path);
    resize(420, 260);
    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this] { m_scoring.EditAnswerText(m_shown, LinesOf(m_text->toPlainText())); });
    // The desk, not the window: the text is hidden once more while the window is torn down.
    OnEditEnded(m_text, [&scoring] { scoring.CommitAnswerText(); });

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::selectionChanged, this, [this] {
        if (isVisible()) {
            Follow();
            raise();
        }
    });
    connect(&signals, &SessionSignals::protocolReplaced, this, [this] {
        if (isVisible()) {
            Follow();
        }
    });
    connect(&signals, &SessionSignals::answerTextChanged, this, [this](int answer) {
        if (isVisible() && answer == m_shown &&
            m_scoring.AnswerTextOf(answer) != LinesOf(m_text->toPlainText())) {
            Follow();
        }
    });
    Follow();
}

void TValaszForm::Follow() {
    auto answer = m_scoring.State().CurrentAnswer();
    m_shown = answer.value_or(0);
    setWindowTitle(ToQt(window_texts::AnswerTextCaption(m_shown)));
    m_text->setAccessibleName(windowTitle());
    QSignalBlocker blocker(m_text);
    // No answer, no file: the window shows nothing and takes nothing.
    m_text->setReadOnly(!answer);
    m_text->setPlainText(TextOf(m_scoring.AnswerTextOf(m_shown)));
    m_path->setText(ToQt(m_scoring.AnswerTextPlace(m_shown)));
}

void TValaszForm::showEvent(QShowEvent* event) {
    Follow();
    ToolWindow::showEvent(event);
}

} // namespace quelvarin::ui
