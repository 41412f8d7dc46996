#pragma once

#include <QListWidget>
#include <span>
#include <string_view>

namespace quelvarin::ui {

// A check list whose rows the examiner ticks and clears: a click anywhere on a row, or the space
// bar on the current row, turns its tick over and says so. Filling it from the core says
// nothing. With ticking off (while the help texts are being edited) the same click or key
// chooses the row and leaves its tick alone.
class CheckList : public QListWidget {
    Q_OBJECT
public:
    explicit CheckList(QWidget* parent);

    void SetRows(std::span<const std::string_view> rows);
    void SetTicks(std::span<const bool> ticks);
    bool Ticked(int row) const;
    void SetTicking(bool on) { m_ticking = on; }

Q_SIGNALS:
    void toggled(int row, bool ticked);
    void chosen(int row);

private:
    friend class CheckListClicks;
    // A click or the space bar on a row.
    void Act(int row);

    bool m_ticking = true;
};

} // namespace quelvarin::ui
