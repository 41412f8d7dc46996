#include "ui/indices/TNeigerForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/CheckList.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ValueLabel.h"
#include "workstation/IndexWindowTexts.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts::index_windows;

TNeigerForm::TNeigerForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main)
    : ToolWindow(main), m_indices(indices),
      m_rows(Named(new CheckList(this), QStringLiteral("NeigerRows"), texts::kNeigerRowsName)),
      m_schoolLevels(Named(new QListWidget(this), QStringLiteral("SchoolLevels"), texts::kSchoolLevelsName)),
      m_score(ValueLabel(this, QStringLiteral("NeigerScore"), texts::kNeigerScoreCaption)),
      m_rating(ValueLabel(this, QStringLiteral("NeigerRating"), texts::kNeigerRatingCaption)),
      m_initialState(
          Named(new QPushButton(ToQt(texts::kInitialState), this), QStringLiteral("InitialStateButton"))) {
    setObjectName(QStringLiteral("TNeigerForm"));
    setWindowTitle(ToQt(texts::kNeigerCaption));
    m_rows->SetRows(texts::NeigerRows());
    // The rows align their columns with blanks.
    m_rows->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (auto level : texts::kSchoolLevels) {
        m_schoolLevels->addItem(ToQt(level));
    }
    m_schoolLevels->setMaximumHeight(m_schoolLevels->sizeHintForRow(0) * m_schoolLevels->count() +
                                     2 * m_schoolLevels->frameWidth());
    m_initialState->setCheckable(true);
    auto* help = Named(new QPushButton(ToQt(texts::kHelp), this), QStringLiteral("HelpButton"));
    auto* close = Named(new QPushButton(ToQt(texts::kClose), this), QStringLiteral("CloseButton"));

    auto* layout = new QGridLayout(this);
    auto* explanation1 =
        Named(new QLabel(ToQt(texts::kNeigerExplanation1), this), QStringLiteral("Explanation1"));
    auto* explanation2 =
        Named(new QLabel(ToQt(texts::kNeigerExplanation2), this), QStringLiteral("Explanation2"));
    layout->addWidget(explanation1, 0, 0, 1, 2);
    layout->addWidget(explanation2, 1, 0, 1, 2);
    layout->addWidget(m_rows, 2, 0, 1, 2);
    layout->addWidget(m_schoolLevels, 3, 0, 4, 1);
    auto figure = [this, layout](int row, std::string_view caption, QLabel* value, const QString& name) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(Named(new QLabel(ToQt(caption), this), name));
        pair->addWidget(value, 1);
        layout->addLayout(pair, row, 1);
    };
    figure(3, texts::kNeigerScoreCaption, m_score, QStringLiteral("NeigerScoreCaption"));
    figure(4, texts::kNeigerRatingCaption, m_rating, QStringLiteral("NeigerRatingCaption"));
    layout->addWidget(m_initialState, 5, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    layout->addLayout(buttons, 7, 0, 1, 2);
    layout->setRowStretch(2, 1);
    resize(700, 500);

    connect(m_rows, &CheckList::toggled, this,
            [this](int row, bool ticked) { m_indices.SetNeigerTick(static_cast<std::size_t>(row), ticked); });
    connect(m_schoolLevels, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            m_indices.SetSchoolLevel(row);
        }
    });
    connect(m_initialState, &QPushButton::clicked, this, [this] {
        m_indices.RestoreNeigerTicks();
        // Pressed once more it stays pressed.
        m_initialState->setChecked(m_indices.NeigerAtInitialState());
    });
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kNeigerTopic); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::checksChanged, this, &TNeigerForm::Refresh);
    connect(&signals, &SessionSignals::personalDataChanged, this, &TNeigerForm::Refresh);
    connect(&signals, &SessionSignals::protocolReplaced, this, &TNeigerForm::Refresh);
    Refresh();
}

void TNeigerForm::showEvent(QShowEvent* event) {
    // Opened, not merely activated: a tool window shares its activation with the main window, so
    // going back and forth between the two is no new start.
    m_indices.OpenNeiger();
    Refresh();
    ToolWindow::showEvent(event);
}

void TNeigerForm::Refresh() {
    auto view = m_indices.Neiger();
    m_rows->SetTicks(view.ticks);
    {
        QSignalBlocker blocker(m_schoolLevels);
        m_schoolLevels->setCurrentRow(view.schoolLevel.value_or(-1));
    }
    m_score->setText(ToQt(view.score));
    m_rating->setText(ToQt(view.rating));
    m_initialState->setChecked(m_indices.NeigerAtInitialState());
}

} // namespace quelvarin::ui
