#pragma once

#include <string>

namespace quelvarin {

class Workstation;

// The psychogram figures of the current protocol as one JSON object, the texts exactly as
// the main window shows them.
std::string FiguresJson(const Workstation& workstation);

} // namespace quelvarin
