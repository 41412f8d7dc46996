#include "workstation/StatisticsDesk.h"

#include "platform/AtomicFile.h"
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsRow.h"
#include "workstation/Messages.h"

#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;

bool StatisticsDesk::AttachToStatistics(const fs::path& file) {
    auto& notifier = m_session.Notify();
    const auto& protocol = m_session.CurrentProtocol();
    std::error_code error;
    if (fs::exists(file, error)) {
        auto present = statistics::CodePresentInFile(file, protocol.personal.code);
        if (!present) {
            notifier.Warning(messages::CannotRead(file.string()));
            return false;
        }
        if (*present) {
            return false; // the dialog keeps "&csatol" disabled for it
        }
    }
    if (!statistics::AppendRow(file, statistics::StatisticsRow(protocol))) {
        notifier.Warning(messages::CannotWrite(file.string()));
        return false;
    }
    return true;
}

statistics::BatchReport StatisticsDesk::AttachBatch(const fs::path& target,
                                                    const std::vector<fs::path>& files,
                                                    const statistics::Progress& progress) {
    std::error_code error;
    if (!fs::is_regular_file(target, error)) {
        m_session.Notify().Message(statistics::kNoTarget);
        return {};
    }
    if (!m_lifecycle.MayReplace()) {
        return {};
    }
    auto report = statistics::AttachFiles(target, files, false, progress);
    FinishBatch(report);
    return report;
}

bool StatisticsDesk::ExportSummary(const statistics::Progress& progress) {
    if (!m_lifecycle.MayReplace()) {
        return false;
    }
    auto folder = m_session.Paths().ArchiveFolder();
    auto files = statistics::ProtocolFilesOf(folder);
    if (!files) {
        m_session.Notify().Warning(messages::CannotRead(folder.string()));
        return false;
    }
    auto path = m_session.Paths().SummaryExportFile();
    AtomicFileWriter out(path);
    auto report = statistics::ExportSummary(
        *files, [&out](std::string_view bytes) { return out.Write(bytes); }, progress);
    if (!report.failure && !out.Commit()) {
        report.failure = messages::CannotWrite(path.string());
    }
    FinishBatch(report);
    if (report.failure) {
        return false;
    }
    m_session.Notify().Message(statistics::SummaryDoneMessage(report.rows, path));
    return true;
}

void StatisticsDesk::FinishBatch(const statistics::BatchReport& report) {
    auto& notifier = m_session.Notify();
    if (!report.notes.empty()) {
        std::string notes;
        for (const auto& note : report.notes) {
            notes += note.text + "\r\n";
        }
        notifier.Message(notes);
    }
    if (report.failure) {
        notifier.Warning(*report.failure);
    }
    // As after a run that loaded every file in turn: the last one is the current protocol.
    if (report.last) {
        m_files.LoadProtocol(*report.last, ProtocolSource::Batch);
    }
}

} // namespace quelvarin
