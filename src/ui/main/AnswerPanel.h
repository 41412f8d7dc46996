#pragma once

#include "ui/app/UiServices.h"
#include "workstation/IndicesDesk.h"
#include "workstation/ScoringDesk.h"
#include "workstation/SignHelpDesk.h"

#include <QListWidget>
#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace quelvarin::ui {

// The answer panel: the answer, card and SZEI lists scrolling together, the five SignColumns of
// the selected answer, and the transference box.
class AnswerPanel : public QWidget {
    Q_OBJECT
public:
    AnswerPanel(ScoringDesk& scoring, SignHelpDesk& help, IndicesDesk& indices, UiServices& services,
                QWidget* parent);

    // Every row from the protocol (after a protocol was replaced).
    void RefreshAll();
    // The card and SZEI rows of one answer; the columns and the transference box when it is the
    // selected one.
    void RefreshAnswer(int answer);
    // The selected rows, the SignColumns and the transference box.
    void RefreshSelection();
    // The column of the picker's page in the hint colour, the others white.
    void MarkColumnOfPage(int page);
    // The width of the answer list: the card choice opens beside it.
    int AnswerListRight() const;

Q_SIGNALS:
    void answerClicked(int answer);
    void cardRowClicked(int answer);
    // A SignColumn was pressed: the picker shows its page.
    void columnPressed(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RemoveEntry(int column, int row);
    void FillColumns();

    ScoringDesk& m_scoring;
    SignHelpDesk& m_help;
    IndicesDesk& m_indices;
    UiServices& m_services;
    QListWidget* m_answers;
    QListWidget* m_cards;
    QListWidget* m_szei;
    std::array<QListWidget*, 5> m_columns{};
    QLineEdit* m_transference;
    QPushButton* m_szeiEvaluation;
    QPushButton* m_transferenceEvaluation;
};

} // namespace quelvarin::ui
