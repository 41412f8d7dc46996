#pragma once

#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QAction;
class QWidget;

namespace quelvarin::ui {

// Every window of the workstation by its layout name, in the order they are made at start. The
// toolbar toggles, the menu items that show windows, the window tour and the layouts are built
// from it.
class WindowRegistry {
public:
    // Makes the windows (other than the main window) as children of the main window, registering
    // each in creation order.
    using Maker = std::function<void(WindowRegistry& registry, QWidget* main)>;
    explicit WindowRegistry(Maker maker) : m_maker(std::move(maker)) {}

    // The main window registers itself, then has the others made.
    void MakeWindows(QWidget* main);
    // A window made for a layout name; a name out of the workstation's list or out of the
    // creation order is a programming error.
    void Register(std::string_view name, QWidget* window);

    struct Entry {
        std::string_view name;
        QWidget* window; // none while the window is not built yet
    };
    // Every layout name in creation order, with its window.
    std::vector<Entry> Entries() const;
    QWidget* Window(std::string_view name) const;
    template <typename Window>
    Window* Get(std::string_view name) const {
        return qobject_cast<Window*>(this->Window(name));
    }

    // Shows a window as its menu item does: a dialog window-modal, any other in front; a window
    // that is a ShowGate prepares itself first, or stays closed.
    void Show(std::string_view name) const;

    // The actions that show the windows, made once the windows are there (owned by `owner`):
    // a toolbar toggle for the windows shown beside the main window (checked while the window
    // is shown), a menu item for each window the menus name. Greyed for a window not built yet.
    void MakeActions(QWidget* owner);
    // The toolbar's toggle of a window.
    QAction* Toggle(std::string_view name) const;
    // The menu item of a window: a mirror of its toggle, or the item that opens it.
    QAction* MenuItem(std::string_view name) const;

private:
    struct Actions {
        std::string_view name;
        QAction* toggle = nullptr;
        QAction* item = nullptr;
    };
    const Actions* ActionsOf(std::string_view name) const;

    Maker m_maker;
    std::vector<Entry> m_entries;
    std::vector<Actions> m_actions;
};

} // namespace quelvarin::ui
