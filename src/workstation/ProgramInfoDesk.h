#pragma once

#include "workstation/ProgramInfo.h"
#include "workstation/Session.h"

#include <filesystem>
#include <string>

namespace quelvarin {

// What the program says of itself: the program-information window and the windows' icon.
class ProgramInfoDesk {
public:
    explicit ProgramInfoDesk(const Session& session) : m_session(session) {}

    std::string_view ProductName() const { return kProductName; }
    // "verziószám: " and the version of ver.num.
    std::string Version() const { return VersionLabel(m_session.Paths()); }
    std::filesystem::path Picture() const { return m_session.Paths().ProgramPictureFile(); }
    std::filesystem::path Icon() const { return m_session.Paths().ProgramIconFile(); }

private:
    const Session& m_session;
};

} // namespace quelvarin
