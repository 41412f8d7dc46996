#include "ui/main/AnswerPanel.h"

#include "platform/NumberFormat.h"
#include "ui/app/QtText.h"
#include "ui/app/WindowRegistry.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/RowChoice.h"
#include "ui/widgets/RowsModel.h"
#include "workstation/MainWindowLayout.h"
#include "workstation/MainWindowTexts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace quelvarin::ui {

namespace texts = window_texts;

namespace {

constexpr int kListTop = 32;
constexpr int kListHeight = 430;

template <typename List>
List* MakeList(QWidget* parent, const QString& name, std::string_view accessible, QRect where) {
    auto* list = Named(new List(parent), name, accessible);
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

AnswerPanel::AnswerPanel(AnswerPanelDesks desks, WindowContext& context, QWidget* parent)
    : QWidget(parent), m_desks(desks), m_services(context.services), m_windows(context.windows) {
    setObjectName(QStringLiteral("AnswerPanel"));
    auto& scoring = m_desks.scoring;
    int x = 0;
    Heading(this, texts::kAnswerHeading, {x, 0, main_window::kAnswerListWidth, 30});
    m_answers = MakeList<QListWidget>(this, QStringLiteral("FeleletDoboz"), texts::kAnswerHeading,
                                      {x, kListTop, main_window::kAnswerListWidth, kListHeight});
    x += main_window::kAnswerListWidth + 1;
    Heading(this, texts::kCardHeading, {x, 0, 26, 30});
    m_cards = MakeList<QListWidget>(this, QStringLiteral("TSZDoboz"), texts::kCardHeading,
                                    {x, kListTop, 26, kListHeight});
    m_cards->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    x += 27;
    Heading(this, texts::kSzeiHeading, {x, 14, 30, 16});
    m_szeiEvaluation = Named(new QPushButton(ToQt(texts::kSzeiEvaluationButton), this),
                             QStringLiteral("SzeiErtekelesGomb"), texts::kSzeiEvaluationName);
    m_szeiEvaluation->setGeometry(x + 4, 0, 22, 15);
    connect(m_szeiEvaluation, &QPushButton::clicked, this, [this] { m_windows.Show("SzeiErtForm"); });
    m_szei = MakeList<QListWidget>(this, QStringLiteral("SzeiDoboz"), texts::kSzeiHeading,
                                   {x, kListTop, 30, kListHeight});
    m_szei->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_szei->setToolTip(ToQt(texts::kSzeiListHint));
    x += 33;

    constexpr int kColumnWidths[] = {66, 76, 60, 58, 83};
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        int width = kColumnWidths[column];
        auto signColumn = static_cast<SignColumn>(column + 1);
        Heading(this, texts::kColumnHeadings[column], {x, 0, width, 30});
        auto* list = MakeList<QListView>(this, QStringLiteral("SignColumn%1").arg(column + 1),
                                         texts::kColumnHeadings[column], {x, kListTop, width, kListHeight});
        auto* rows = new RowsModel(
            [&scoring, signColumn] { return scoring.State().Columns().Entries(signColumn); }, list);
        list->setModel(rows);
        list->setToolTip(ToQt(texts::kColumnHint));
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // A long name wraps within the column rather than hiding behind a scroll bar.
        list->setUniformItemSizes(false);
        list->setWordWrap(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setContextMenuPolicy(Qt::PreventContextMenu);
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
        int number = static_cast<int>(column) + 1;
        connect(list, &QListView::clicked, this, [this, signColumn](const QModelIndex& row) {
            m_desks.help.ClickColumnEntry(signColumn, static_cast<std::size_t>(row.row()));
        });
        connect(list, &QListView::doubleClicked, this,
                [this, number](const QModelIndex& row) { RemoveEntry(number, row.row()); });
        m_columns[column] = list;
        m_columnRows[column] = rows;
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
        // The highlight moved by the keyboard (or the pointer dragged over the rows) selects the
        // answer, without asking for its card; the lists' own filling has its signals blocked.
        // (The focus coming into a list marks a row without highlighting it: that selects nothing.)
        connect(from, &QListWidget::itemSelectionChanged, this, [this, from] {
            auto selected = from->selectedItems();
            if (!selected.isEmpty()) {
                m_desks.scoring.SelectAnswer(from->row(selected.front()) + 1, CardChoice::HeldBack);
            }
        });
    }
    // A click, or Enter on the highlighted row, chooses the answer: one without a card asks for
    // it; on the card list the card is asked for in any case.
    OnRowChosen(m_answers, [this](const QModelIndex& row) { m_desks.scoring.SelectAnswer(row.row() + 1); });
    OnRowChosen(m_cards,
                [this](const QModelIndex& row) { m_desks.scoring.OfferCardChoiceFor(row.row() + 1); });
    // A click on a SZEI row codes that answer (an uncoded one in the coding window, modally); a
    // double click, or Enter (in the event filter), opens the coding window beside the main one.
    connect(m_szei, &QListWidget::clicked, this,
            [this](const QModelIndex& row) { m_desks.indices.ClickSzeiRow(row.row() + 1); });
    connect(m_szei, &QListWidget::doubleClicked, this,
            [this](const QModelIndex& row) { m_desks.indices.OpenSzeiRow(row.row() + 1); });
    m_szei->installEventFilter(this);

    auto* label = new QLabel(ToQt(texts::kTransferenceLabel), this);
    label->setGeometry(0, kListTop + kListHeight + 8, 96, 22);
    m_transference = Named(new QLineEdit(this), QStringLiteral("AttetelDoboz"), texts::kTransferenceLabel,
                           texts::kTransferenceHint);
    m_transference->setGeometry(98, kListTop + kListHeight + 8, 200, 22);
    label->setBuddy(m_transference);
    // Every change of the text is the selected answer's code at once; filling the box from the
    // protocol has its signals blocked. A click, or Enter, opens the coding window.
    connect(m_transference, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_desks.indices.SetTransference(FromQt(text)); });
    connect(m_transference, &QLineEdit::returnPressed, this, [this] { m_windows.Show("AttetelForm"); });
    m_transference->installEventFilter(this);
    m_transferenceEvaluation =
        Named(new QPushButton(ToQt(texts::kEvaluationButton), this), QStringLiteral("AttetelErtekelesGomb"),
              {}, texts::kTransferenceEvaluationHint);
    m_transferenceEvaluation->setGeometry(304, kListTop + kListHeight + 8, 80, 22);
    connect(m_transferenceEvaluation, &QPushButton::clicked, this,
            [this] { m_windows.Show("AttetelErtForm"); });

    auto& signals = context.signals;
    connect(&signals, &SessionSignals::selectionChanged, this, &AnswerPanel::RefreshSelection);
    connect(&signals, &SessionSignals::answerChanged, this, &AnswerPanel::RefreshAnswer);
    connect(&signals, &SessionSignals::protocolReplaced, this, &AnswerPanel::RefreshAll);
    RefreshAll();
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
    const auto& state = m_desks.scoring.State();
    const auto& record = state.CurrentProtocol().answer(answer);
    auto row = answer - 1;
    m_cards->item(row)->setText(ToQt(FormatInteger(record.card)));
    m_szei->item(row)->setText(ToQt(record.szei));
    if (state.CurrentAnswer() == answer) {
        RefreshColumns();
        RefreshTransference();
    }
}

void AnswerPanel::RefreshSelection() {
    const auto& state = m_desks.scoring.State();
    auto answer = state.CurrentAnswer();
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
    RefreshColumns();
    RefreshTransference();
}

void AnswerPanel::RefreshTransference() {
    const auto& state = m_desks.scoring.State();
    auto answer = state.CurrentAnswer();
    auto value = answer ? ToQt(state.CurrentProtocol().answer(*answer).transference) : QString();
    // The value just typed is not set again: that would put the cursor at the end.
    if (m_transference->text() != value) {
        QSignalBlocker blocker(m_transference);
        m_transference->setText(value);
    }
    m_transference->setEnabled(answer.has_value());
    m_transference->setToolTip(ToQt(m_desks.indices.TransferenceFieldHint()));
}

void AnswerPanel::RefreshColumns() {
    for (auto* rows : m_columnRows) {
        rows->Refresh();
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
        m_desks.scoring.RemoveColumnEntry(static_cast<SignColumn>(column), static_cast<std::size_t>(row));
    }
}

bool AnswerPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_szei && event->type() == QEvent::KeyPress) {
        auto key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_szei->currentRow() >= 0) {
            m_desks.indices.OpenSzeiRow(m_szei->currentRow() + 1);
            return true;
        }
    }
    if (watched == m_transference && event->type() == QEvent::MouseButtonRelease) {
        auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton &&
            m_transference->rect().contains(release->position().toPoint())) {
            m_windows.Show("AttetelForm");
        }
    }
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        auto* list = m_columns[column];
        int number = static_cast<int>(column) + 1;
        if (watched == list->viewport() && event->type() == QEvent::MouseButtonPress) {
            Q_EMIT columnPressed(static_cast<int>(column));
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::RightButton) {
                auto row = list->indexAt(press->position().toPoint());
                if (row.isValid()) {
                    list->setCurrentIndex(row);
                    auto chosen = m_services.ChooseFromMenu(this, press->globalPosition().toPoint(),
                                                            {ToQt(texts::kRemoveEntry)});
                    if (chosen == 0) {
                        RemoveEntry(number, row.row());
                    }
                }
                return true;
            }
        }
        if (watched == list && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            RemoveEntry(number, list->currentIndex().isValid() ? list->currentIndex().row() : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quelvarin::ui
