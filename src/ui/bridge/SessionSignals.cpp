#include "ui/bridge/SessionSignals.h"

namespace quelvarin::ui {

SessionSignals::SessionSignals(Session& session, QObject* parent) : QObject(parent), m_session(session) {
    m_session.AddObserver(*this);
}

SessionSignals::~SessionSignals() {
    m_session.RemoveObserver(*this);
}

} // namespace quelvarin::ui
