#include "ui/indices/TAttetelForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/TabStrip.h"
#include "workstation/CodingWindowTexts.h"
#include "workstation/MainWindowLayout.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts;
using namespace main_window;

TAttetelForm::TAttetelForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext&, QWidget* main)
    : ToolWindow(main), m_indices(indices), m_main(main),
      m_tabs(Named(new TabStrip(ToQt(indices.TransferenceCodingWindow().Captions()),
                                QStringLiteral("AttetelTab"), this),
                   QStringLiteral("AttetelTabs"), texts::kCodingTabsName)),
      m_description(
          Named(new QPlainTextEdit(this), QStringLiteral("AttetelLeiras"), texts::kCodingDescriptionName)),
      m_mark(Named(new QPushButton(ToQt(texts::kCodingMark), this), QStringLiteral("AttetelJeloldGomb"))) {
    setObjectName(QStringLiteral("TAttetelForm"));
    setWindowTitle(ToQt(texts::kTransferenceCodingCaption));
    m_description->setReadOnly(true);
    m_description->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* help = Named(new QPushButton(ToQt(texts::kCodingHelp), this), QStringLiteral("AttetelSugoGomb"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_mark);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_tabs);
    layout->addWidget(m_description);
    layout->addLayout(buttons);
    resize(560, 210);

    connect(m_tabs, &TabStrip::tabChosen, this, [this](int tab) {
        m_indices.ChooseTransferenceTab(tab);
        Refresh();
    });
    connect(m_mark, &QPushButton::clicked, this, [this] {
        if (m_indices.MarkTransference()) {
            close();
        }
    });
    connect(help, &QPushButton::clicked, this,
            [&topics] { topics.ShowTopic(texts::kTransferenceTopicFile); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    Refresh();
}

void TAttetelForm::Refresh() {
    const auto& tabs = m_indices.TransferenceCodingWindow();
    m_tabs->SetTab(tabs.Chosen());
    m_description->setPlainText(TextOf(tabs.Description()));
    m_mark->setEnabled(tabs.Chosen().has_value());
}

void TAttetelForm::showEvent(QShowEvent* event) {
    move(m_main->pos() + QPoint(kTransferenceCodingLeft, kTransferenceCodingTop));
    Refresh();
    ToolWindow::showEvent(event);
}

} // namespace quelvarin::ui
