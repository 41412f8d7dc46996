#pragma once

#include "ui/app/WindowContext.h"
#include "workstation/IndicesDesk.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace quelvarin::ui {

// "Rorschach: SZEI értelmezés": the counts of the five categories, their weighted mean and
// its conclusion, computed afresh each time it opens; a category's button shows its
// description in the coding window, read only.
class TSzeiErtForm : public QDialog {
    Q_OBJECT
public:
    TSzeiErtForm(IndicesDesk& indices, WindowContext& context, QWidget* main);

protected:
    void showEvent(QShowEvent* event) override;

private:
    IndicesDesk& m_indices;
    std::array<QLineEdit*, 6> m_values{};
    QPlainTextEdit* m_interpretation;
};

} // namespace quelvarin::ui
