#include "ui/main/AnswerPanel.h"

#include "platform/NumberFormat.h"
#include "ui/app/QtText.h"
#include "ui/main/RowChoice.h"
#include "workstation/MainWindowTexts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts;

namespace {

constexpr int kListTop = 32;
constexpr int kListHeight = 430;

QListWidget* MakeList(QWidget* parent, const QString& name, const QString& accessible, QRect where) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessible);
    list->setGeometry(where);
    list->setUniformItemSizes(true);
    return list;
}

QLabel* Heading(QWidget* parent, std::string_view text, QRect where) {
    auto* label = new QLabel(ToQt(text), parent);
    label->setGeometry(where);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setWordWrap(true);
    auto font = label->font();
    font.setPixelSize(10);
    label->setFont(font);
    return label;
}

} // namespace

AnswerPanel::AnswerPanel(ScoringDesk& scoring, SignHelpDesk& help, IndicesDesk& indices, UiServices& services,
                         QWidget* parent)
    : QWidget(parent), m_scoring(scoring), m_help(help), m_indices(indices), m_services(services) {
    setObjectName(QStringLiteral("AnswerPanel"));
    int x = 0;
    Heading(this, texts::kAnswerHeading, {x, 0, 40, 30});
    m_answers = MakeList(this, QStringLiteral("FeleletDoboz"), ToQt(texts::kAnswerHeading),
                         {x, kListTop, 40, kListHeight});
    x += 41;
    Heading(this, texts::kCardHeading, {x, 0, 26, 30});
    m_cards =
        MakeList(this, QStringLiteral("TSZDoboz"), ToQt(texts::kCardHeading), {x, kListTop, 26, kListHeight});
    m_cards->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    x += 27;
    Heading(this, texts::kSzeiHeading, {x, 14, 30, 16});
    // The SZEI coding and its evaluation come with their windows.
    m_szeiEvaluation = new QPushButton(ToQt(texts::kSzeiEvaluationButton), this);
    m_szeiEvaluation->setObjectName(QStringLiteral("SzeiErtekelesGomb"));
    m_szeiEvaluation->setAccessibleName(ToQt(texts::kSzeiEvaluationName));
    m_szeiEvaluation->setGeometry(x + 4, 0, 22, 15);
    m_szeiEvaluation->setEnabled(false);
    m_szei = MakeList(this, QStringLiteral("SzeiDoboz"), ToQt(texts::kSzeiHeading),
                      {x, kListTop, 30, kListHeight});
    m_szei->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_szei->setToolTip(ToQt(texts::kSzeiListHint));
    m_szei->setEnabled(false);
    x += 33;

    constexpr int kColumnWidths[] = {66, 76, 60, 58, 83};
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        int width = kColumnWidths[column];
        Heading(this, texts::kColumnHeadings[column], {x, 0, width, 30});
        auto* list = MakeList(this, QStringLiteral("SignColumn%1").arg(column + 1),
                              ToQt(texts::kColumnHeadings[column]), {x, kListTop, width, kListHeight});
        list->setToolTip(ToQt(texts::kColumnHint));
        // A long name wraps within the column rather than hiding behind a scroll bar.
        list->setUniformItemSizes(false);
        list->setWordWrap(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setContextMenuPolicy(Qt::PreventContextMenu);
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
        int number = static_cast<int>(column) + 1;
        connect(list, &QListWidget::itemClicked, this, [this, list, number](QListWidgetItem* item) {
            m_help.ClickColumnEntry(static_cast<SignColumn>(number),
                                    static_cast<std::size_t>(list->row(item)));
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list, number](QListWidgetItem* item) { RemoveEntry(number, list->row(item)); });
        m_columns[column] = list;
        x += width + 1;
    }

    for (int n = 1; n <= kAnswerCount; ++n) {
        m_answers->addItem(ToQt(FormatInteger(n)));
        m_cards->addItem(QString());
        m_szei->addItem(QString());
    }
    // The three lists scroll together.
    for (auto* from : {m_answers, m_cards, m_szei}) {
        for (auto* to : {m_answers, m_cards, m_szei}) {
            if (from != to) {
                connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(),
                        &QScrollBar::setValue);
            }
        }
    }
    // A click, or Enter on the row the arrow keys moved to, selects the answer.
    OnRowChosen(m_answers, [this](const QModelIndex& row) { Q_EMIT answerClicked(row.row() + 1); });
    OnRowChosen(m_cards, [this](const QModelIndex& row) { Q_EMIT cardRowClicked(row.row() + 1); });

    auto* label = new QLabel(ToQt(texts::kTransferenceLabel), this);
    label->setGeometry(0, kListTop + kListHeight + 8, 96, 22);
    m_transference = new QLineEdit(this);
    m_transference->setObjectName(QStringLiteral("AttetelDoboz"));
    m_transference->setAccessibleName(ToQt(texts::kTransferenceLabel));
    m_transference->setToolTip(ToQt(texts::kTransferenceHint));
    m_transference->setGeometry(98, kListTop + kListHeight + 8, 200, 22);
    label->setBuddy(m_transference);
    // The transference scale's windows come later; until then the box only shows the value.
    m_transference->setEnabled(false);
    m_transferenceEvaluation = new QPushButton(ToQt(texts::kEvaluationButton), this);
    m_transferenceEvaluation->setObjectName(QStringLiteral("AttetelErtekelesGomb"));
    m_transferenceEvaluation->setToolTip(ToQt(texts::kTransferenceEvaluationHint));
    m_transferenceEvaluation->setGeometry(304, kListTop + kListHeight + 8, 80, 22);
    m_transferenceEvaluation->setEnabled(false);

    RefreshAll();
}

int AnswerPanel::AnswerListRight() const {
    return m_answers->geometry().right() + 1;
}

void AnswerPanel::RefreshAll() {
    for (int n = 1; n <= kAnswerCount; ++n) {
        RefreshAnswer(n);
    }
    RefreshSelection();
}

void AnswerPanel::RefreshAnswer(int answer) {
    if (!IsAnswerNumber(answer)) {
        return;
    }
    const auto& record = m_scoring.State().CurrentProtocol().answer(answer);
    auto row = answer - 1;
    m_cards->item(row)->setText(ToQt(FormatInteger(record.card)));
    m_szei->item(row)->setText(ToQt(record.szei));
    if (m_scoring.State().CurrentAnswer() == answer) {
        FillColumns();
        QSignalBlocker blocker(m_transference);
        m_transference->setText(ToQt(record.transference));
    }
}

void AnswerPanel::RefreshSelection() {
    auto answer = m_scoring.State().CurrentAnswer();
    int row = answer ? *answer - 1 : -1;
    for (auto* list : {m_answers, m_cards, m_szei}) {
        QSignalBlocker blocker(list);
        list->setCurrentRow(row);
        if (row < 0) {
            list->clearSelection();
        }
    }
    if (row >= 0) {
        m_answers->scrollToItem(m_answers->item(row));
    }
    FillColumns();
    QSignalBlocker blocker(m_transference);
    m_transference->setText(answer ? ToQt(m_scoring.State().CurrentProtocol().answer(*answer).transference)
                                   : QString());
}

void AnswerPanel::FillColumns() {
    const auto& columns = m_scoring.State().Columns();
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        auto* list = m_columns[column];
        QSignalBlocker blocker(list);
        list->clear();
        for (const auto& name : columns.Entries(static_cast<SignColumn>(column + 1))) {
            auto* item = new QListWidgetItem(ToQt(name), list);
            item->setToolTip(item->text()); // a long name is cut short in its column
        }
    }
}

void AnswerPanel::MarkColumnOfPage(int page) {
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        QPalette colours;
        if (static_cast<int>(column) == page) {
            colours.setColor(QPalette::Base, QColor(255, 255, 225)); // the hint colour
        }
        m_columns[column]->setPalette(colours);
    }
}

void AnswerPanel::RemoveEntry(int column, int row) {
    if (row >= 0) {
        m_scoring.RemoveColumnEntry(static_cast<SignColumn>(column), static_cast<std::size_t>(row));
    }
}

bool AnswerPanel::eventFilter(QObject* watched, QEvent* event) {
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        auto* list = m_columns[column];
        int number = static_cast<int>(column) + 1;
        if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress) {
            Q_EMIT columnPressed(static_cast<int>(column));
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::RightButton) {
                auto* item = list->itemAt(press->position().toPoint());
                if (item) {
                    list->setCurrentItem(item);
                    auto chosen = m_services.ChooseFromMenu(this, press->globalPosition().toPoint(),
                                                            {ToQt(texts::kRemoveEntry)});
                    if (chosen == 0) {
                        RemoveEntry(number, list->row(item));
                    }
                }
                return true;
            }
        }
        if (watched == list && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            RemoveEntry(number, list->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quelvarin::ui
