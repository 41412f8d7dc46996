#include "ui/help/THelpForm.h"

#include "ui/app/QtText.h"
#include "workstation/TopicHelpTexts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts;

THelpForm::THelpForm(const InstallPaths& paths, Notifier& notifier, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_paths(paths), m_notifier(notifier) {
    setObjectName(QStringLiteral("THelpForm"));
    setWindowTitle(ToQt(texts::kTopicHelpDesignCaption));
    auto* menu = new QMenuBar(this);
    m_save = menu->addAction(ToQt(texts::kTopicHelpSave));
    m_save->setObjectName(QStringLiteral("SaveTopicAction"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_save->setEnabled(false);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setMenuBar(menu);
    int column = 0;
    for (auto* box : {&m_notes, &m_help}) {
        bool notes = box == &m_notes;
        box->text = new QPlainTextEdit(this);
        box->text->setObjectName(notes ? QStringLiteral("NotesBox") : QStringLiteral("HelpBox"));
        box->text->setToolTip(ToQt(notes ? texts::kNotesHint : texts::kShippedHelpHint));
        box->text->setAccessibleName(ToQt(notes ? texts::kNotesHint : texts::kShippedHelpHint));
        box->path = new QLabel(this);
        box->path->setObjectName(notes ? QStringLiteral("NotesPath") : QStringLiteral("HelpPath"));
        box->path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(box->text, 0, column);
        layout->addWidget(box->path, 1, column);
        connect(box->text, &QPlainTextEdit::textChanged, this, [this, box] {
            box->edited = true;
            m_save->setEnabled(true);
        });
        ++column;
    }
    connect(m_save, &QAction::triggered, this, [this] {
        // "ment" saves both boxes, edited or not.
        m_notes.edited = m_help.edited = true;
        SaveEdited();
    });
    move(1, 1);
    // Wide enough for the help files' lines of about 80 characters side by side.
    resize(1080, 520);
}

void THelpForm::ShowTopic(const QString& file) {
    auto topic = TopicOfFile(FromQt(file));
    if (!topic) {
        return;
    }
    SaveEdited();
    m_topic = topic;
    Load();
    show();
    raise();
    activateWindow();
}

void THelpForm::Load() {
    auto texts = ReadTopic(m_paths, *m_topic, m_notifier);
    setWindowTitle(ToQt(TopicHelpCaption(m_topic->title)));
    const std::pair<Box*, const Lines*> boxes[] = {{&m_notes, &texts.notes}, {&m_help, &texts.help}};
    for (auto [box, lines] : boxes) {
        QSignalBlocker blocker(box->text);
        box->text->setPlainText(TextOf(*lines));
        box->edited = false;
    }
    m_notes.file = texts.notesFile;
    m_help.file = texts.helpFile;
    m_notes.path->setText(ToQt(m_notes.file.string()));
    m_help.path->setText(ToQt(m_help.file.string()));
    m_save->setEnabled(false);
}

void THelpForm::Save(Box& box) {
    if (!box.edited || box.file.empty()) {
        return;
    }
    // A box that cannot be saved keeps its text, and stays edited.
    if (SaveTopicFile(box.file, LinesOf(box.text->toPlainText()), m_notifier)) {
        box.edited = false;
    }
}

void THelpForm::SaveEdited() {
    if (m_saving) {
        return;
    }
    m_saving = true;
    Save(m_notes);
    Save(m_help);
    m_save->setEnabled(m_notes.edited || m_help.edited);
    m_saving = false;
}

void THelpForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        SaveEdited();
    }
}

void THelpForm::closeEvent(QCloseEvent* event) {
    SaveEdited();
    QWidget::closeEvent(event);
}

} // namespace quelvarin::ui
