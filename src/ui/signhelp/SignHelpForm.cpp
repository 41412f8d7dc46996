#include "ui/signhelp/SignHelpForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/SignHelpWindowTexts.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;

SignHelpForm::SignHelpForm(SignHelpDesk& help, HelpFile file, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_help(help), m_file(file), m_text(new QPlainTextEdit(this)),
      m_editMode(help.State().HelpEditMode()) {
    bool scoring = file == HelpFile::Scoring;
    setWindowTitle(ToQt(scoring ? texts::kScoringHelpCaption : texts::kInterpretationHelpCaption));
    auto* menu = new QMenuBar(this);
    m_store = Named(menu->addAction(ToQt(texts::kStoreHelp)), QStringLiteral("StoreHelpAction"));
    m_store->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_store->setEnabled(false);
    Named(m_text, QStringLiteral("HelpText"),
          scoring ? texts::kScoringHelpCaption : texts::kInterpretationHelpCaption);
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

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::helpTextsShown, this, [this](int code) {
        ShowSign(static_cast<SignCode>(code));
        // In HelpEditMode a sign chosen shows both windows with its texts.
        if (m_help.State().HelpEditMode()) {
            show();
        }
    });
    connect(&signals, &SessionSignals::helpTextsCleared, this, [this] { Show({}); });
    connect(&signals, &SessionSignals::modeChanged, this, &SignHelpForm::FollowMode);
}

void SignHelpForm::ShowSign(SignCode code) {
    auto texts = m_help.HelpTextsOf(code);
    Show(m_file == HelpFile::Scoring ? texts.scoring : texts.interpretation);
}

void SignHelpForm::Show(const std::vector<std::string>& lines) {
    QSignalBlocker blocker(m_text);
    m_text->setPlainText(TextOf(lines));
    m_store->setEnabled(false);
}

void SignHelpForm::FollowMode() {
    bool editMode = m_help.State().HelpEditMode();
    if (editMode == m_editMode) {
        return; // the sound language changed
    }
    m_editMode = editMode;
    // The window closes (its button comes up) and shows again in the other mode.
    hide();
    show();
}

TJelSugForm::TJelSugForm(SignHelpDesk& help, WindowContext& context, QWidget* main)
    : SignHelpForm(help, HelpFile::Scoring, context, main) {
    setObjectName(QStringLiteral("TJelSugForm"));
}

TErtSugForm::TErtSugForm(SignHelpDesk& help, WindowContext& context, QWidget* main)
    : SignHelpForm(help, HelpFile::Interpretation, context, main) {
    setObjectName(QStringLiteral("TErtSugForm"));
}

} // namespace quelvarin::ui
