#pragma once

#include "ui/app/QtText.h"

#include <QString>
#include <QWidget>
#include <string_view>

namespace quelvarin::ui {

// A control named in one call: its object name (the tests find it by it), the name a screen
// reader reads, and the hint the pointer shows. Returns the control, for chaining. An action is
// read by its caption, and takes no other name.
template <typename Control>
Control* Named(Control* control, const QString& objectName, std::string_view accessibleName = {},
               std::string_view hint = {}) {
    control->setObjectName(objectName);
    if constexpr (requires { control->setAccessibleName(QString()); }) {
        if (!accessibleName.empty()) {
            control->setAccessibleName(ToQt(accessibleName));
        }
    }
    if (!hint.empty()) {
        control->setToolTip(ToQt(hint));
    }
    return control;
}

} // namespace quelvarin::ui
