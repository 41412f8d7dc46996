#include "workstation/ReportsDesk.h"

#include "interpretation/Interpretation.h"
#include "platform/Cp1250.h"
#include "reports/ExaminationSheet.h"
#include "reports/Glossary.h"
#include "reports/ProtocolPage.h"
#include "reports/SheetScales.h"
#include "workstation/Messages.h"
#include "workstation/RootFiles.h"
#include "workstation/WordDocument.h"

namespace quelvarin {
namespace fs = std::filesystem;

std::optional<Lines> ReportsDesk::WriteInterpretation() {
    auto lines = interpretation::BuildInterpretation(m_session.CurrentProtocol());
    if (!lines) {
        m_session.Notify().Message(messages::kNothingToInterpret);
        return std::nullopt;
    }
    if (!WriteRootFile(m_session.Paths().InterpretationFile(), interpretation::InterpretationBytes(*lines),
                       m_session.Notify())) {
        return std::nullopt;
    }
    return lines;
}

std::string ReportsDesk::InterpretationTitle() const {
    return "Szöveges értelmezés: " + m_session.CurrentProtocol().personal.code;
}

std::optional<fs::path> ReportsDesk::WriteHtmlFile(const fs::path& path, const Lines& lines) {
    if (!WriteRootFile(path, EncodeCp1250(JoinLines(lines)), m_session.Notify())) {
        return std::nullopt;
    }
    return path;
}

Lines ReportsDesk::ExaminationSheetLines() {
    const auto& standing = m_session.ComputeSensitivityParanoia();
    const auto& protocol = m_session.CurrentProtocol();
    auto constellations = reports::ComputeConstellations(protocol);
    auto scales = reports::ComputeSheetScales(protocol);
    return reports::WriteExaminationSheet(
        {protocol, m_session.HelpFiles(), standing, constellations, scales});
}

std::optional<fs::path> ReportsDesk::WriteExaminationSheet() {
    return WriteHtmlFile(m_session.Paths().ExaminationSheetFile(), ExaminationSheetLines());
}

Lines ReportsDesk::ProtocolPageLines() const {
    return reports::WriteProtocolPage(m_session.CurrentProtocol(), m_session.AllAnswerTexts(),
                                      m_session.HelpFiles());
}

std::optional<fs::path> ReportsDesk::WriteProtocolPage() {
    auto path = WriteHtmlFile(m_session.Paths().ProtocolPageFile(), ProtocolPageLines());
    // The page walks the answers with the card choice held back: the last one stays selected.
    m_session.Select(kAnswerCount, CardChoice::HeldBack);
    return path;
}

Lines ReportsDesk::BuildGlossary() {
    // The glossary counts the answers first, as the refresh step does.
    auto lines = reports::BuildGlossary(m_session.EditProtocol(), m_session.HelpFiles());
    m_session.Recomputed({RefreshStep::AnswerCounts});
    return lines;
}

std::string ReportsDesk::GlossaryTitle() const {
    return "Mechanikus szószedet: " + m_session.CurrentProtocol().personal.code;
}

bool ReportsDesk::RegenerateHelpPages() {
    if (auto failed = reports::RegenerateHelpPages(m_session.Paths(), m_session.HelpFiles())) {
        m_session.Notify().Warning(messages::CannotWrite(*failed));
        return false;
    }
    m_session.Notify().Message(reports::kHelpPagesDone);
    return true;
}

std::optional<fs::path> ReportsDesk::WordDocument() {
    return PrepareWordDocument(m_session.Paths(), m_session.CurrentProtocol().personal.code,
                               m_session.Notify());
}

std::optional<fs::path> ReportsDesk::OwnWordTemplate() {
    return PrepareOwnTemplate(m_session.Paths(), m_session.Notify());
}

} // namespace quelvarin
