#pragma once

#include "workstation/Session.h"

namespace quelvarin {

// Changes the protocol behind the desks' backs, as a damaged file or an earlier version of the
// program could have left it: no event, no refresh, no modified flag.
struct SessionTestAccess {
    static Protocol& ProtocolOf(Session& session) { return session.EditProtocol(); }
};

} // namespace quelvarin
