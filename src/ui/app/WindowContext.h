#pragma once

#include "ui/app/UiServices.h"
#include "ui/bridge/SessionSignals.h"

namespace quelvarin::ui {

class WindowRegistry;

// What every window is handed besides its desks: the session's events to subscribe to, the
// desktop's services, and the other windows by name.
struct WindowContext {
    SessionSignals& signals;
    UiServices& services;
    WindowRegistry& windows;
};

} // namespace quelvarin::ui
