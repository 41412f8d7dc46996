#pragma once

#include "platform/LineFile.h"
#include "workstation/ExperienceTypeChart.h"
#include "workstation/Session.h"

#include <optional>
#include <string>

namespace quelvarin {

// "V" marks the protocol's ÉT on the chart; "T" lets the examiner read the type under the
// pointer.
enum class GraphMode { Examination, Learning };

// The experience-type graph: the protocol's ÉT as a point on the chart of the twelve types and
// the text of a type, read from et/ (Windows-1250; a file not there shows an empty text). It
// reads the figures and never changes the protocol.
class ExperienceTypeGraphDesk {
public:
    explicit ExperienceTypeGraphDesk(const Session& session) : m_session(session) {}

    GraphMode Mode() const { return m_mode; }
    // "V" places the protocol's ÉT; "T" shows the type pointed at last with its text.
    void SetMode(GraphMode mode);
    // The protocol's ÉT placed on the chart (on showing the window and as the figures change):
    // the field, the marker and the highlighted types follow it; in examination mode the text
    // box shows the type found, and keeps its text when none is.
    void Place();

    // The pointer over a point of the chart (learning mode): as over the label of the type
    // there. False when it points at no type or the mode is examination.
    bool PointAtChart(et_chart::Point point);
    // The pointer over a type's label (learning mode): the learning markers go to the type and
    // its text is read, unless the text box shows it already. False in examination mode.
    bool PointAtType(et_chart::Type type);

    // " 2.5- 3.5"; " ---- : ---- " until the first placement.
    const std::string& Field() const { return m_field; }
    // The protocol's marker (top-left corner), shown in examination mode while the ÉT lies on
    // the chart; nothing otherwise.
    std::optional<et_chart::Point> ProtocolMarker() const;
    // The type the learning and the list markers stand at, shown in learning mode once a type
    // was pointed at.
    std::optional<et_chart::Type> LearningMarker() const;
    bool Highlighted(et_chart::Type type) const { return m_placement.highlighted[et_chart::IndexOf(type)]; }
    const Lines& Text() const { return m_text; }
    // The file the text box shows (under et/); "" before the first.
    const std::string& TextFile() const { return m_textFile; }

private:
    // Reads a type's text into the box, unless the box shows that file and `again` is false.
    void ShowText(et_chart::Type type, bool again);

    const Session& m_session;
    GraphMode m_mode = GraphMode::Examination;
    std::string m_field{et_chart::kFieldPlaceholder};
    et_chart::Placement m_placement;
    bool m_placed = false;
    std::optional<et_chart::Type> m_pointed;
    Lines m_text;
    std::string m_textFile;
};

} // namespace quelvarin
