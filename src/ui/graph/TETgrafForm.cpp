#include "ui/graph/TETgrafForm.h"

#include "ui/app/QtText.h"
#include "ui/graph/ChartColour.h"
#include "ui/graph/ChartMarker.h"
#include "ui/graph/ExperienceTypeChartView.h"
#include "ui/widgets/Named.h"
#include "workstation/ExperienceTypeGraphTexts.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

namespace quelvarin::ui {

namespace texts = window_texts::experience_graph;
namespace {

// The window in pixels, as the chart is: the chart at the top left, the type list beside it
// with the field of the current ÉT over it and the buttons under it, the text box at the right.
constexpr int kColumn = 372;
constexpr int kListTop = 60;
constexpr int kRowHeight = 22;
constexpr int kLabelLeft = kColumn + et_chart::kMarkerSize + 5;
constexpr int kLabelWidth = 172;
constexpr int kButtonTop = kListTop + static_cast<int>(et_chart::kTypeCount) * kRowHeight + 8;
constexpr int kTextLeft = kLabelLeft + kLabelWidth + 12;
constexpr QSize kTextSize{262, 330};
constexpr int kMargin = 8;

void Paint(QWidget* widget, std::optional<et_chart::Rgb> background) {
    auto palette = widget->parentWidget()->palette();
    if (background) {
        palette.setColor(QPalette::Window, ColourOf(*background));
    }
    widget->setPalette(palette);
}

} // namespace

TETgrafForm::TETgrafForm(ExperienceTypeGraphDesk& graph, TopicHelpDesk& topics, WindowContext& context,
                         QWidget* main)
    : ToolWindow(main), m_graph(graph),
      m_field(Named(new QLabel(this), QStringLiteral("CurrentExperienceType"), texts::kCurrent)),
      m_text(Named(new QPlainTextEdit(this), QStringLiteral("TypeText"), texts::kTextName)),
      m_learning(Named(new QToolButton(this), QStringLiteral("LearningButton"), texts::kLearningHint,
                       texts::kLearningHint)),
      m_examination(Named(new QToolButton(this), QStringLiteral("ExaminationButton"), texts::kExaminationHint,
                          texts::kExaminationHint)),
      m_blink(new QTimer(this)) {
    setObjectName(QStringLiteral("TETgrafForm"));
    setWindowTitle(ToQt(texts::kCaption));

    auto* chart = Named(new ExperienceTypeChartView(this), QStringLiteral("Chart"), texts::kChartName);
    chart->move(0, 0);
    connect(chart, &ExperienceTypeChartView::pointed, this, [this](et_chart::Point point) {
        if (m_graph.PointAtChart(point)) {
            ShowState();
        }
    });

    auto* current = Named(new QLabel(ToQt(texts::kCurrent), this), QStringLiteral("CurrentCaption"));
    current->setGeometry(kColumn, kMargin, 96, 20);
    // The two sides are aligned with blanks.
    auto fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPixelSize(12);
    m_field->setFont(fixed);
    m_field->setAutoFillBackground(true);
    Paint(m_field, et_chart::kHighlight);
    m_field->setGeometry(kColumn + 98, kMargin, 100, 20);
    // "Ez egy . . ." with a marker beside it: what the blinking markers are.
    auto* legend = Named(new QLabel(ToQt(texts::kMarkerLegend), this), QStringLiteral("MarkerLegend"));
    legend->setGeometry(kColumn, kMargin + 24, 70, 20);
    Named(new ChartMarker(this), QStringLiteral("LegendMarker"))
        ->move(kColumn + 72, kMargin + 24 + (20 - et_chart::kMarkerSize) / 2);

    for (const auto& entry : et_chart::Types()) {
        auto row = static_cast<int>(et_chart::IndexOf(entry.type));
        auto* label =
            Named(new QLabel(ToQt(entry.caption), this), QStringLiteral("TypeLabel%1").arg(row), entry.label);
        label->setGeometry(kLabelLeft, kListTop + row * kRowHeight, kLabelWidth, kRowHeight - 2);
        label->setAutoFillBackground(true);
        // The keyboard reaches a type's text as the pointer does.
        label->setFocusPolicy(Qt::StrongFocus);
        label->installEventFilter(this);
        m_types[static_cast<std::size_t>(row)] = label;
    }

    m_text->setReadOnly(true);
    m_text->setGeometry(QRect(QPoint(kTextLeft, kMargin), kTextSize));

    auto* modes = new QButtonGroup(this);
    int x = kLabelLeft;
    for (auto [button, caption] :
         {std::pair{m_learning, texts::kLearning}, {m_examination, texts::kExamination}}) {
        button->setText(ToQt(caption));
        button->setCheckable(true);
        button->setGeometry(x, kButtonTop, 28, 24);
        modes->addButton(button);
        x += 32;
    }
    modes->setExclusive(true);
    connect(m_learning, &QToolButton::clicked, this, [this] {
        m_graph.SetMode(GraphMode::Learning);
        ShowState();
    });
    connect(m_examination, &QToolButton::clicked, this, [this] {
        m_graph.SetMode(GraphMode::Examination);
        ShowState();
    });
    auto* help = Named(new QPushButton(ToQt(texts::kHelp), this), QStringLiteral("HelpButton"));
    help->setGeometry(x + 8, kButtonTop, 56, 24);
    auto* close = Named(new QPushButton(ToQt(texts::kClose), this), QStringLiteral("CloseButton"));
    close->setGeometry(x + 68, kButtonTop, 56, 24);
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kHelpTopic); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Made last, so that they lie over the chart and beside the list.
    m_protocolMarker =
        Named(new ChartMarker(this), QStringLiteral("ProtocolMarker"), texts::kProtocolMarkerName);
    m_learningMarker =
        Named(new ChartMarker(this), QStringLiteral("LearningMarker"), texts::kLearningMarkerName);
    m_listMarker = Named(new ChartMarker(this), QStringLiteral("ListMarker"), texts::kListMarkerName);
    for (auto* marker : {m_protocolMarker, m_learningMarker, m_listMarker}) {
        marker->hide();
    }
    m_blink->setObjectName(QStringLiteral("BlinkTimer"));
    m_blink->setInterval(et_chart::kBlinkInterval);
    connect(m_blink, &QTimer::timeout, this, &TETgrafForm::Blink);

    auto& signals = context.signals;
    // The ÉT is among the determinant figures.
    connect(&signals, &SessionSignals::figuresRecomputed, this, [this](RefreshSteps steps) {
        if (steps.Has(RefreshStep::DeterminantFigures)) {
            FollowProtocol();
        }
    });
    connect(&signals, &SessionSignals::protocolReplaced, this, &TETgrafForm::FollowProtocol);

    setFixedSize(kTextLeft + kTextSize.width() + kMargin, chart->height() + kMargin);
    // At the top left the first time it is shown; after that where the examiner (or a layout)
    // puts it.
    move(1, 1);
    ShowState();
}

void TETgrafForm::showEvent(QShowEvent* event) {
    m_graph.Place();
    ShowState();
    m_blink->start();
    ToolWindow::showEvent(event);
}

void TETgrafForm::hideEvent(QHideEvent* event) {
    m_blink->stop();
    ToolWindow::hideEvent(event);
}

bool TETgrafForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) {
        for (const auto& entry : et_chart::Types()) {
            if (watched == m_types[et_chart::IndexOf(entry.type)] && m_graph.PointAtType(entry.type)) {
                ShowState();
            }
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void TETgrafForm::FollowProtocol() {
    if (isVisible()) {
        m_graph.Place();
        ShowState();
    }
}

void TETgrafForm::ShowState() {
    m_field->setText(ToQt(m_graph.Field()));
    for (const auto& entry : et_chart::Types()) {
        Paint(m_types[et_chart::IndexOf(entry.type)],
              m_graph.Highlighted(entry.type) ? std::optional(et_chart::kHighlight) : std::nullopt);
    }
    if (auto corner = m_graph.ProtocolMarker()) {
        m_protocolMarker->move(corner->x, corner->y);
        m_protocolMarker->show();
    } else {
        m_protocolMarker->hide();
    }
    if (auto type = m_graph.LearningMarker()) {
        auto spot = et_chart::Entry(*type).spot;
        m_learningMarker->move(spot.x, spot.y);
        auto* label = m_types[et_chart::IndexOf(*type)];
        m_listMarker->move(kColumn, label->y() + (label->height() - et_chart::kMarkerSize) / 2);
        m_learningMarker->show();
        m_listMarker->show();
    } else {
        m_learningMarker->hide();
        m_listMarker->hide();
    }
    auto text = TextOf(m_graph.Text());
    if (m_text->toPlainText() != text) {
        m_text->setPlainText(text);
    }
    const QSignalBlocker blockLearning(m_learning);
    const QSignalBlocker blockExamination(m_examination);
    m_learning->setChecked(m_graph.Mode() == GraphMode::Learning);
    m_examination->setChecked(m_graph.Mode() == GraphMode::Examination);
}

void TETgrafForm::Blink() {
    bool round = !m_learningMarker->Round();
    for (auto* marker : {m_protocolMarker, m_learningMarker, m_listMarker}) {
        marker->SetRound(round);
    }
}

} // namespace quelvarin::ui
