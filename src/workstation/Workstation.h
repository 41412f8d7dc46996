#pragma once

#include "workstation/ExperienceTypeGraphDesk.h"
#include "workstation/IndicesDesk.h"
#include "workstation/InspectionDesk.h"
#include "workstation/JointDesk.h"
#include "workstation/LocationTablesDesk.h"
#include "workstation/PersonalDataDesk.h"
#include "workstation/ProgramInfoDesk.h"
#include "workstation/ProtocolFilesDesk.h"
#include "workstation/ProtocolLifecycle.h"
#include "workstation/ReportsDesk.h"
#include "workstation/ScoringDesk.h"
#include "workstation/Session.h"
#include "workstation/SignHelpDesk.h"
#include "workstation/StatisticsDesk.h"
#include "workstation/StatisticsFilesDesk.h"
#include "workstation/TextFileDesk.h"
#include "workstation/TopicHelpDesk.h"

namespace quelvarin {

// The session with one desk per window area, made once by the program (and the CLI): each
// window is handed the desk it works with, never this whole.
struct Workstation {
    Workstation(Session::Services services, ProtocolFilesDesk::Recovery recovery)
        : session(std::move(services)), scoring(session), files(session, recovery), lifecycle(session, files),
          personal(session), help(session), reports(session), indices(session),
          statistics(session, files, lifecycle), statisticsFiles(session, statistics), joint(session),
          topics(session), textFiles(session), inspection(session), programInfo(session),
          locations(session, scoring), experienceGraph(session) {}

    Session session;
    ScoringDesk scoring;
    ProtocolFilesDesk files;
    ProtocolLifecycle lifecycle;
    PersonalDataDesk personal;
    SignHelpDesk help;
    ReportsDesk reports;
    IndicesDesk indices;
    StatisticsDesk statistics;
    StatisticsFilesDesk statisticsFiles;
    JointDesk joint;
    TopicHelpDesk topics;
    TextFileDesk textFiles;
    InspectionDesk inspection;
    ProgramInfoDesk programInfo;
    LocationTablesDesk locations;
    ExperienceTypeGraphDesk experienceGraph;
};

} // namespace quelvarin
