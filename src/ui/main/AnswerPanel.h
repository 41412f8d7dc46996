#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/IndicesDesk.h"
#include "workstation/ScoringDesk.h"
#include "workstation/SignHelpDesk.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace quelvarin::ui {

class RowsModel;

// What the answer panel works with.
struct AnswerPanelDesks {
    ScoringDesk& scoring;
    SignHelpDesk& help;
    IndicesDesk& indices;
};

// The answer panel: the answer, card and SZEI lists scrolling together, the five SignColumns of
// the selected answer, and the transference box. Whatever moves the highlight of a list selects
// that answer: the highlight, the card row and CurrentAnswer never differ. The SZEI list and the
// transference box lead to the coding windows of their indices, their buttons to the
// evaluation windows.
class AnswerPanel : public QWidget {
    Q_OBJECT
public:
    AnswerPanel(AnswerPanelDesks desks, WindowContext& context, QWidget* parent);

    // The column of the picker's page in the hint colour, the others white.
    void MarkColumnOfPage(int page);

Q_SIGNALS:
    // A SignColumn was pressed: the picker shows its page.
    void columnPressed(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every row from the protocol (after a protocol was replaced).
    void RefreshAll();
    // The card and SZEI rows of one answer; the columns and the transference box when it is the
    // selected one.
    void RefreshAnswer(int answer);
    // The selected rows, the SignColumns and the transference box.
    void RefreshSelection();
    void RefreshColumns();
    // The transference box shows the selected answer's value, and takes input only while an
    // answer is selected.
    void RefreshTransference();
    void RemoveEntry(int column, int row);

    AnswerPanelDesks m_desks;
    UiServices& m_services;
    WindowRegistry& m_windows;
    QListWidget* m_answers;
    QListWidget* m_cards;
    QListWidget* m_szei;
    std::array<QListView*, 5> m_columns{};
    std::array<RowsModel*, 5> m_columnRows{};
    QLineEdit* m_transference;
    QPushButton* m_szeiEvaluation;
    QPushButton* m_transferenceEvaluation;
};

} // namespace quelvarin::ui
