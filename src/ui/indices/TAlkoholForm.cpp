#include "ui/indices/TAlkoholForm.h"

#include "ui/app/QtText.h"
#include "ui/widgets/CheckList.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ValueLabel.h"
#include "workstation/IndexWindowTexts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts::index_windows;

namespace {

QString Joined(std::span<const std::string_view> lines) {
    return TextOf(std::vector<std::string>(lines.begin(), lines.end()));
}

} // namespace

TAlkoholForm::TAlkoholForm(IndicesDesk& indices, TopicHelpDesk& topics, WindowContext& context, QWidget* main)
    : QDialog(main), m_indices(indices),
      m_items(Named(new CheckList(this), QStringLiteral("AlcoholismItems"), texts::kAlcoholismItemsName)),
      m_explanation(Named(new QPlainTextEdit(this), QStringLiteral("ExplanationBox"),
                          texts::kAlcoholismExplanationName)),
      m_shortProtocolTick(
          Named(new QCheckBox(ToQt(texts::kShortProtocolTick), this), QStringLiteral("ShortProtocolTick"))),
      m_answers(ValueLabel(this, QStringLiteral("AnswerCount"), texts::kAnswerCountCaption)),
      m_required(ValueLabel(this, QStringLiteral("RequiredCount"), texts::kRequiredCaption)),
      m_ticked(ValueLabel(this, QStringLiteral("TickedCount"), texts::kTickedCaption)),
      m_verdict(ValueLabel(this, QStringLiteral("Verdict"), texts::kVerdictName)) {
    setObjectName(QStringLiteral("TAlkoholForm"));
    setWindowTitle(ToQt(texts::AlcoholismCaption()));
    setModal(true);
    m_items->SetRows(texts::AlcoholismItems());
    m_explanation->setReadOnly(true);
    m_verdict->setAutoFillBackground(true);
    m_verdict->setMargin(4);
    auto* note =
        Named(new QLabel(Joined(texts::ShortProtocolNote()), this), QStringLiteral("ShortProtocolNote"));
    auto* help = Named(new QPushButton(ToQt(texts::kHelp), this), QStringLiteral("HelpButton"));
    auto* ok = Named(new QPushButton(ToQt(texts::kOk), this), QStringLiteral("OkButton"));
    ok->setDefault(true);

    auto* figures = new QFormLayout;
    figures->addRow(ToQt(texts::kAnswerCountCaption), m_answers);
    figures->addRow(ToQt(texts::kRequiredCaption), m_required);
    figures->addRow(ToQt(texts::kTickedCaption), m_ticked);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_items, 0, 0, 2, 1);
    layout->addWidget(m_explanation, 0, 1);
    layout->addLayout(figures, 1, 1);
    // The condition of a short protocol stands beside the verdict it qualifies.
    layout->addWidget(note, 2, 0);
    layout->addWidget(m_verdict, 2, 1);
    layout->addWidget(m_shortProtocolTick, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(ok);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setRowStretch(0, 1);
    resize(620, 460);

    connect(m_items, &CheckList::toggled, this,
            [this](int row, bool ticked) { m_indices.SetAlcoholismTick(row + 1, ticked); });
    connect(m_items, &QListWidget::currentRowChanged, this, &TAlkoholForm::Explain);
    connect(m_shortProtocolTick, &QCheckBox::toggled, this,
            [this](bool ticked) { m_indices.SetAlcoholismShortProtocolTick(ticked); });
    connect(help, &QPushButton::clicked, this, [&topics] { topics.ShowTopic(texts::kAlcoholismTopic); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(&context.signals, &SessionSignals::checksChanged, this, &TAlkoholForm::Refresh);
}

void TAlkoholForm::showEvent(QShowEvent* event) {
    m_indices.OpenAlcoholismChecklist();
    Refresh();
    QDialog::showEvent(event);
}

void TAlkoholForm::Explain(int row) {
    m_explanation->setPlainText(row >= 0 ? Joined(texts::AlcoholismExplanation(row + 1)) : QString());
}

void TAlkoholForm::Refresh() {
    const auto& list = m_indices.AlcoholismChecklist();
    std::array<bool, alkohol::kItemCount> ticks{};
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        ticks[i] = list.Ticked(static_cast<int>(i) + 1);
    }
    m_items->SetTicks(ticks);
    auto view = m_indices.Alcoholism();
    {
        QSignalBlocker blocker(m_shortProtocolTick);
        m_shortProtocolTick->setChecked(list.ShortProtocolTicked());
    }
    m_shortProtocolTick->setEnabled(view.shortProtocolTickEnabled);
    m_answers->setText(ToQt(view.answers));
    m_required->setText(ToQt(view.required));
    m_ticked->setText(ToQt(view.ticked));
    m_verdict->setText(ToQt(view.verdict));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, view.highlighted ? QColor(Qt::yellow) : QColor(Qt::black));
    colours.setColor(QPalette::Window,
                     view.highlighted ? QColor(Qt::red) : palette().color(QPalette::Window));
    m_verdict->setPalette(colours);
}

} // namespace quelvarin::ui
