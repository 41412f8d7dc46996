#include "ui/indices/TSzeiForm.h"

#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/TabStrip.h"
#include "workstation/CodingWindowTexts.h"
#include "workstation/MainWindowLayout.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;
using namespace main_window;

TSzeiForm::TSzeiForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_indices(indices), m_topics(topics), m_windows(context.windows), m_main(main),
      m_tabs(Named(
          new TabStrip(ToQt(indices.SzeiCodingWindow().Tabs().Captions()), QStringLiteral("SzeiTab"), this),
          QStringLiteral("SzeiTabs"), texts::kCodingTabsName)),
      m_description(
          Named(new QPlainTextEdit(this), QStringLiteral("SzeiLeiras"), texts::kCodingDescriptionName)),
      m_mark(Named(new QPushButton(ToQt(texts::kCodingMark), this), QStringLiteral("SzeiJeloldGomb"))),
      m_help(Named(new QPushButton(ToQt(texts::kCodingHelp), this), QStringLiteral("SzeiSugoGomb"))) {
    setObjectName(QStringLiteral("TSzeiForm"));
    setWindowTitle(ToQt(texts::kSzeiCodingCaption));
    m_description->setReadOnly(true);
    // The description lines align as written, trailing blanks included.
    m_description->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_description->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_mark);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_tabs);
    layout->addWidget(m_description);
    layout->addLayout(buttons);
    resize(430, 200);

    connect(m_tabs, &TabStrip::tabChosen, this, [this](int tab) { m_indices.ChooseSzeiTab(tab); });
    connect(m_mark, &QPushButton::clicked, this, [this] {
        if (m_indices.MarkSzei()) {
            close();
        }
    });
    connect(m_help, &QPushButton::clicked, this, &TSzeiForm::ShowHelp);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(&context.signals, &SessionSignals::szeiCodingChanged, this, &TSzeiForm::Follow);
    Refresh();
}

void TSzeiForm::Follow() {
    Refresh();
    if (auto opening = m_indices.SzeiWindowRequested()) {
        m_indices.SzeiWindowOpened();
        Open(*opening);
    }
}

void TSzeiForm::Refresh() {
    const auto& coding = m_indices.SzeiCodingWindow();
    bool codes = coding.Mode() == CodingMode::Coding;
    m_tabs->SetTab(coding.Tab());
    m_tabs->setEnabled(codes);
    m_description->setPlainText(TextOf(coding.Tabs().Description()));
    m_mark->setVisible(codes);
    m_mark->setEnabled(coding.CanMark());
    m_help->setVisible(codes);
}

void TSzeiForm::Open(WindowOpening opening) {
    auto modality = opening == WindowOpening::Modal ? Qt::WindowModal : Qt::NonModal;
    if (isVisible() && windowModality() != modality) {
        // Qt takes a new modality only while the window is hidden.
        hide();
    }
    setWindowModality(modality);
    show();
    raise();
    activateWindow();
}

void TSzeiForm::showEvent(QShowEvent* event) {
    move(m_main->pos() + QPoint(kSzeiCodingLeft, kSzeiCodingTop));
    Refresh();
    ToolWindow::showEvent(event);
}

void TSzeiForm::ShowHelp() {
    m_topics.ShowTopic(texts::kSzeiTopicFile);
    if (auto* help = m_windows.Window("HelpForm")) {
        help->move(pos() + QPoint(0, kSzeiTopicHelpTop));
    }
}

} // namespace quelvarin::ui
