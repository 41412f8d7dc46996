#include "ui/indices/TKiegInfForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/CheckList.h"
#include "ui/widgets/Named.h"
#include "workstation/IndexWindowTexts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelvarin::ui {

namespace texts = window_texts::index_windows;

TKiegInfForm::TKiegInfForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_indices(indices),
      m_items(
          Named(new CheckList(this), QStringLiteral("SupplementaryItems"), texts::kSupplementaryItemsName)) {
    setObjectName(QStringLiteral("TKiegInfForm"));
    setWindowTitle(ToQt(texts::kSupplementaryCaption));
    m_items->SetRows(texts::SupplementaryItems());
    m_items->setMouseTracking(true);
    auto* help = Named(new QPushButton(ToQt(texts::kHelp), this), QStringLiteral("HelpButton"));
    auto* close = Named(new QPushButton(ToQt(texts::kClose), this), QStringLiteral("CloseButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_items, 1);
    layout->addLayout(buttons);
    resize(460, 440);

    connect(m_items, &CheckList::toggled, this, [this](int item, bool ticked) {
        m_indices.SetSupplementaryCheck(static_cast<std::size_t>(item), ticked);
    });
    connect(m_items, &CheckList::chosen, this,
            [this](int item) { m_indices.ClickSupplementaryItemForEditing(static_cast<std::size_t>(item)); });
    connect(m_items, &QAbstractItemView::entered, this, [this](const QModelIndex& index) {
        if (HoverHelpAllowed()) {
            m_items->setCurrentRow(index.row());
            PointAt(index.row());
        }
    });
    // The keyboard reaches an item's help as the pointer does.
    connect(m_items, &QListWidget::currentRowChanged, this, [this](int item) {
        if (HoverHelpAllowed()) {
            PointAt(item);
        }
    });
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kSupplementaryTopic); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto& signals = context.signals;
    // A protocol made new or loaded while the window is open has its own flags: the ticks shown
    // are always the current protocol's, so a tick never writes another subject's.
    connect(&signals, &SessionSignals::protocolReplaced, this, &TKiegInfForm::ShowTicks);
    connect(&signals, &SessionSignals::checksChanged, this, &TKiegInfForm::ShowTicks);
    connect(&signals, &SessionSignals::modeChanged, this, &TKiegInfForm::FollowMode);
    FollowMode();
}

void TKiegInfForm::showEvent(QShowEvent* event) {
    m_indices.OpenSupplementaryChecks();
    ShowTicks();
    ToolWindow::showEvent(event);
}

void TKiegInfForm::ShowTicks() {
    m_items->SetTicks(m_indices.SupplementaryChecks());
}

void TKiegInfForm::FollowMode() {
    // While the help texts are edited a click chooses an item's help; it ticks nothing.
    m_items->SetTicking(!m_indices.State().HelpEditMode());
}

bool TKiegInfForm::HoverHelpAllowed() const {
    // Ctrl held lets the mouse travel to a help window without loading every item it crosses.
    return !m_indices.State().HelpEditMode() &&
           !(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
}

void TKiegInfForm::PointAt(int item) {
    if (item >= 0) {
        m_indices.PointAtSupplementaryItem(static_cast<std::size_t>(item));
    }
}

} // namespace quelvarin::ui
