#include "ui/main/TimingPanel.h"

#include "platform/NumberFormat.h"
#include "ui/app/QtText.h"
#include "ui/widgets/Named.h"
#include "workstation/MainWindowTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <limits>

namespace quelvarin::ui {

namespace texts = window_texts;

namespace {

QLabel* Label(QWidget* parent, std::string_view text, QRect where) {
    auto* label = new QLabel(ToQt(text), parent);
    label->setGeometry(where);
    return label;
}

QPushButton* Button(QWidget* parent, std::string_view text, const QString& name, QRect where) {
    auto* button = Named(new QPushButton(ToQt(text), parent), name);
    button->setGeometry(where);
    return button;
}

// A time box: a box left empty reads 0 when it loses the focus, and any value the minutes can
// reach by the carry is shown.
class TimeSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    void fixup(QString& input) const override {
        if (input.trimmed().isEmpty()) {
            input = QStringLiteral("0");
            return;
        }
        QSpinBox::fixup(input);
    }
};

} // namespace

TimingPanel::TimingPanel(ScoringDesk& scoring, WindowContext& context, QWidget* parent)
    : QWidget(parent), m_scoring(scoring),
      m_running(Named(new QLineEdit(this), QStringLiteral("RunningSeconds"), texts::kRunningSeconds)) {
    setObjectName(QStringLiteral("TimingPanel"));
    const struct {
        TimeBox box;
        const char* name;
        std::string_view row;
        std::string_view unit;
    } boxes[] = {
        {TimeBox::ReactionMinutes, "ReactionMinutes", texts::kReactionTime, texts::kMinutes},
        {TimeBox::ReactionSeconds, "ReactionSeconds", texts::kReactionTime, texts::kSeconds},
        {TimeBox::CardMinutes, "CardMinutes", texts::kCardTime, texts::kMinutes},
        {TimeBox::CardSeconds, "CardSeconds", texts::kCardTime, texts::kSeconds},
    };
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        int row = static_cast<int>(i) / 2, half = static_cast<int>(i) % 2;
        int y = row * 28;
        if (half == 0) {
            Label(this, boxes[i].row, {0, y, 76, 24});
        }
        auto* box = Named(new TimeSpinBox(this), QString::fromLatin1(boxes[i].name));
        box->setAccessibleName(ToQt(boxes[i].row) + QLatin1Char(' ') + ToQt(boxes[i].unit));
        box->setRange(0, std::numeric_limits<int>::max());
        box->setKeyboardTracking(false);
        box->setGeometry(78 + half * 118, y, 54, 24);
        auto* unit = Label(this, boxes[i].unit, {134 + half * 118, y, 62, 24});
        unit->setBuddy(box);
        auto which = boxes[i].box;
        // Only the examiner's edits store (filling the boxes has its signals blocked).
        connect(box, &QSpinBox::valueChanged, this, [this, which](int value) { Store(which, value); });
        m_boxes[i] = box;
    }

    m_running->setReadOnly(true);
    m_running->setAlignment(Qt::AlignRight);
    m_running->setGeometry(320, 0, 50, 24);
    Label(this, texts::kRunningSeconds, {374, 0, 30, 24})->setBuddy(m_running);

    auto* start = Button(this, texts::kStart, QStringLiteral("StartButton"), {0, 60, 70, 26});
    auto* reaction =
        Button(this, texts::kWriteReactionTime, QStringLiteral("WriteReactionTimeButton"), {74, 60, 140, 26});
    auto* card =
        Button(this, texts::kWriteCardTime, QStringLiteral("WriteCardTimeButton"), {218, 60, 140, 26});
    auto* reset = Button(this, texts::kReset, QStringLiteral("ResetButton"), {362, 60, 60, 26});

    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TimingPanel::Tick);
    connect(start, &QPushButton::clicked, this, [this] {
        m_scoring.StartStopwatch();
        m_timer.start();
        Tick();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_scoring.ResetStopwatch();
        m_timer.stop();
        Tick();
    });
    connect(reaction, &QPushButton::clicked, this, [this] { m_scoring.WriteStopwatchTime(true); });
    connect(card, &QPushButton::clicked, this, [this] { m_scoring.WriteStopwatchTime(false); });

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::selectionChanged, this, &TimingPanel::Refresh);
    connect(&signals, &SessionSignals::cardTimesChanged, this, &TimingPanel::Refresh);
    connect(&signals, &SessionSignals::protocolReplaced, this, &TimingPanel::Refresh);
    Refresh();
    Tick();
}

void TimingPanel::Tick() {
    m_running->setText(ToQt(FormatInteger(m_scoring.StopwatchSeconds())));
}

void TimingPanel::Store(TimeBox box, int value) {
    // The carry may change the other box of the pair, and a value refused leaves the stored
    // one: either way the boxes show what is stored.
    if (!m_scoring.SetCardTime(box, value)) {
        Refresh();
    }
}

void TimingPanel::Refresh() {
    int card = m_scoring.State().CurrentCard();
    bool timed = IsCard(card);
    CardTime time = timed ? m_scoring.State().CurrentProtocol().cardTime(card) : CardTime{};
    const int values[] = {time.reactionMinutes, time.reactionSeconds, time.cardMinutes, time.cardSeconds};
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        auto* box = m_boxes[i];
        QSignalBlocker blocker(box);
        // Without a card there are no times: the boxes are empty and take nothing. A value
        // below 0 (from a file) is shown as it is.
        box->setMinimum(timed ? std::min(0, values[i]) : -1);
        box->setSpecialValueText(timed ? QString() : QStringLiteral(" "));
        box->setValue(timed ? values[i] : -1);
        box->setEnabled(timed);
    }
}

} // namespace quelvarin::ui
