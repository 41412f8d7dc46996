#pragma once

#include "ui/app/WindowContext.h"
#include "ui/main/PickerPage.h"

#include <QTabWidget>
#include <array>

namespace quelvarin::ui {

// The sign picker: five pages of sign boxes and lists, with the psychogram figures, redrawn
// from the session's events.
class SignPicker : public QTabWidget {
    Q_OBJECT
public:
    SignPicker(PickerDesks desks, WindowContext& context, QWidget* parent);

    PickerPage* Page(picker::Page page) const { return m_pages[static_cast<std::size_t>(page)]; }
    void ShowPage(picker::Page page) { setCurrentIndex(static_cast<int>(page)); }

private:
    // Every figure and list from the session, as the psychogram view has them.
    void Refresh();

    PickerDesks m_desks;
    std::array<PickerPage*, picker::kPageCount> m_pages{};
};

} // namespace quelvarin::ui
