#include "ui/widgets/ToolWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace quelvarin::ui {

namespace {

// Qt reads a plain top-level widget as a client area ("filler" over AT-SPI); a ToolWindow
// reads as a window ("frame").
QAccessibleInterface* WindowRole(const QString& className, QObject* object) {
    if (className == QLatin1String(ToolWindow::staticMetaObject.className()) && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

ToolWindow::ToolWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(WindowRole); });
}

} // namespace quelvarin::ui
