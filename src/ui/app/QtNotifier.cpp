#include "ui/app/QtNotifier.h"

#include "ui/app/QtText.h"

#include <QApplication>

namespace quelvarin::ui {

void QtNotifier::Message(std::string_view text) {
    m_services.ShowMessage(QApplication::activeWindow(), ToQt(text));
}

void QtNotifier::Warning(std::string_view text) {
    m_services.ShowMessage(QApplication::activeWindow(), ToQt(text), MessageKind::Warning);
}

bool QtNotifier::Ask(std::string_view question) {
    return m_services.AskYesNo(QApplication::activeWindow(), ToQt(question));
}

} // namespace quelvarin::ui
