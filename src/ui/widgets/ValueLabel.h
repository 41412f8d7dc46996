#pragma once

#include "ui/widgets/Named.h"

#include <QLabel>
#include <string_view>

namespace quelvarin::ui {

// A label that shows a figure: a screen reader reads its value, described by its caption.
inline QLabel* ValueLabel(QWidget* parent, const QString& objectName, std::string_view caption) {
    auto* label = Named(new QLabel(parent), objectName);
    label->setAccessibleDescription(ToQt(caption));
    return label;
}

} // namespace quelvarin::ui
