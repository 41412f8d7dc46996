#pragma once

#include "platform/Notifier.h"
#include "ui/app/UiServices.h"

namespace quelvarin::ui {

// The core's messages and questions as message boxes over the active window.
class QtNotifier : public Notifier {
public:
    explicit QtNotifier(UiServices& services) : m_services(services) {}
    void Message(std::string_view text) override;
    void Warning(std::string_view text) override;
    bool Ask(std::string_view question) override;

private:
    UiServices& m_services;
};

} // namespace quelvarin::ui
