#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/IndicesDesk.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QTableWidget;

namespace quelvarin::ui {

// "Szenzitivitás-paranoiditás index ": the eleven weighted sign frequencies, their sum, the index
// and its zone, computed afresh each time the window opens. Without effective answers it shows
// no figure and no zone, only that the index cannot be computed.
class TSzenziParaForm : public QDialog {
    Q_OBJECT
public:
    TSzenziParaForm(IndicesDesk& indices, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    IndicesDesk& m_indices;
    QTableWidget* m_table;
    QLabel* m_sum;
    QLabel* m_index;
    QLabel* m_note;
    std::array<QFrame*, 3> m_zones{}; // healthy first
};

} // namespace quelvarin::ui
