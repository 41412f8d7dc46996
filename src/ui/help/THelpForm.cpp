#include "ui/help/THelpForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/EditEnds.h"
#include "ui/widgets/Named.h"
#include "workstation/TopicHelpTexts.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts;

namespace {

constexpr std::array<TopicBox, 2> kBoxes = {TopicBox::Notes, TopicBox::Help};

} // namespace

THelpForm::THelpForm(TopicHelpDesk& topics, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_topics(topics), m_main(main) {
    setObjectName(QStringLiteral("THelpForm"));
    auto* menu = new QMenuBar(this);
    m_save = Named(menu->addAction(ToQt(texts::kTopicHelpSave)), QStringLiteral("SaveTopicAction"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setMenuBar(menu);
    // The help files align their columns with blanks.
    auto fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        bool notes = kBoxes[i] == TopicBox::Notes;
        auto hint = notes ? texts::kNotesHint : texts::kShippedHelpHint;
        auto* box = Named(new QPlainTextEdit(this),
                          notes ? QStringLiteral("NotesBox") : QStringLiteral("HelpBox"), hint, hint);
        box->setFont(fixed);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        auto* path =
            Named(new QLabel(this), notes ? QStringLiteral("NotesPath") : QStringLiteral("HelpPath"));
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(box, 0, static_cast<int>(i));
        layout->addWidget(path, 1, static_cast<int>(i));
        auto which = kBoxes[i];
        connect(box, &QPlainTextEdit::textChanged, this, [this, box, which] {
            m_topics.Edit(which, LinesOf(box->toPlainText()));
            m_save->setEnabled(true);
        });
        // The desk, not the window: the box is hidden once more while the window is torn down.
        OnEditEnded(box, [&topics] { topics.SaveEdited(); });
        m_boxes[i] = box;
        m_paths[i] = path;
    }
    connect(m_save, &QAction::triggered, this, [this] { m_save->setEnabled(!m_topics.Save()); });
    connect(&context.signals, &SessionSignals::topicShown, this, [this] {
        Load();
        FollowModalWindow();
        show();
        raise();
        activateWindow();
    });
    Load();
    move(1, 1);
    // Wide enough for the help files' lines of about 80 characters side by side.
    resize(1180, 520);
}

void THelpForm::FollowModalWindow() {
    // A modal window blocks every window but its own: the help it calls is its own while it is
    // open, so that the help can be read and the notes written, and goes back to the main
    // window when it closes.
    auto* modal = QApplication::activeModalWidget();
    if (!modal || modal == this || modal == parentWidget()) {
        return;
    }
    setParent(modal, windowFlags());
    modal->installEventFilter(this);
}

bool THelpForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == parentWidget() && watched != m_main) {
        watched->removeEventFilter(this);
        bool shown = isVisible();
        setParent(m_main, windowFlags());
        setVisible(shown);
    }
    return ToolWindow::eventFilter(watched, event);
}

void THelpForm::Load() {
    setWindowTitle(ToQt(m_topics.Caption()));
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        QSignalBlocker blocker(m_boxes[i]);
        m_boxes[i]->setPlainText(TextOf(m_topics.Text(kBoxes[i])));
        m_boxes[i]->setReadOnly(!m_topics.HasTopic());
        m_paths[i]->setText(ToQt(m_topics.FileOf(kBoxes[i])));
    }
    m_save->setEnabled(false);
}

} // namespace quelvarin::ui
