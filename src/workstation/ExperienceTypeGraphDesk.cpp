#include "workstation/ExperienceTypeGraphDesk.h"

namespace quelvarin {

void ExperienceTypeGraphDesk::SetMode(GraphMode mode) {
    m_mode = mode;
    if (mode == GraphMode::Examination) {
        Place();
    } else if (m_pointed) {
        // The text box goes back to the type the learning markers stand at, so that the two
        // never tell of different types.
        ShowText(*m_pointed, false);
    }
}

void ExperienceTypeGraphDesk::Place() {
    m_placement = et_chart::PlaceExperienceType(m_session.Figures().typologies.experienceType);
    m_placed = true;
    m_field = m_placement.field;
    if (m_mode == GraphMode::Examination && m_placement.shown) {
        ShowText(*m_placement.shown, true);
    }
}

bool ExperienceTypeGraphDesk::PointAtChart(et_chart::Point point) {
    if (m_mode != GraphMode::Learning) {
        return false;
    }
    auto type = et_chart::TypeUnder(point);
    return type && PointAtType(*type);
}

bool ExperienceTypeGraphDesk::PointAtType(et_chart::Type type) {
    if (m_mode != GraphMode::Learning) {
        return false;
    }
    m_pointed = type;
    ShowText(type, false);
    return true;
}

std::optional<et_chart::Point> ExperienceTypeGraphDesk::ProtocolMarker() const {
    if (m_mode != GraphMode::Examination || !m_placed || !m_placement.onChart) {
        return std::nullopt;
    }
    return m_placement.marker;
}

std::optional<et_chart::Type> ExperienceTypeGraphDesk::LearningMarker() const {
    return m_mode == GraphMode::Learning ? m_pointed : std::nullopt;
}

void ExperienceTypeGraphDesk::ShowText(et_chart::Type type, bool again) {
    std::string file(et_chart::Entry(type).file);
    if (!again && file == m_textFile) {
        return;
    }
    m_textFile = file;
    m_text = ReadLineFile(m_session.Paths().ExperienceTypeFolder() / file).value_or(Lines{});
}

} // namespace quelvarin
