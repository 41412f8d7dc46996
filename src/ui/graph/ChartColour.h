#pragma once

#include "workstation/ExperienceTypeChart.h"

#include <QColor>

namespace quelvarin::ui {

inline QColor ColourOf(et_chart::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace quelvarin::ui
