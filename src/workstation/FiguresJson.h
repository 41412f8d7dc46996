#pragma once

#include <string>

namespace quelvarin {

class Session;

// The psychogram figures of the current protocol as one JSON object, the texts exactly as
// the main window shows them.
std::string FiguresJson(const Session& session);

} // namespace quelvarin
