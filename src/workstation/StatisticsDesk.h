#pragma once

#include "statistics/Batch.h"
#include "workstation/ProtocolFilesDesk.h"
#include "workstation/ProtocolLifecycle.h"
#include "workstation/Session.h"

#include <filesystem>
#include <vector>

namespace quelvarin {

// The statistics files of the research: the current protocol's row, the batch attach of
// stored protocols and the summary export of the archive.
class StatisticsDesk {
public:
    StatisticsDesk(Session& session, ProtocolFilesDesk& files, ProtocolLifecycle& lifecycle)
        : m_session(session), m_files(files), m_lifecycle(lifecycle) {}

    const Session& State() const { return m_session; }

    // The attach dialog's "&csatol": the current protocol's row appended to a statistics file
    // (a new one starts with the header line). Refused when its code is already in the file.
    bool AttachToStatistics(const std::filesystem::path& file);
    // The batch run: the rows of the files appended to the target; the files the loader
    // rejects are named, and the last file attached becomes the current protocol, so unsaved
    // changes are offered for saving first (a save wanted and not done runs nothing). The
    // progress is told after every file.
    statistics::BatchReport AttachBatch(const std::filesystem::path& target,
                                        const std::vector<std::filesystem::path>& files,
                                        const statistics::Progress& progress = {});
    // The summary export of the archive folder into sum_stat.txt; the last protocol exported
    // becomes the current one, after the same offer to save.
    bool ExportSummary(const statistics::Progress& progress = {});

private:
    void FinishBatch(const statistics::BatchReport& report);

    Session& m_session;
    ProtocolFilesDesk& m_files;
    ProtocolLifecycle& m_lifecycle;
};

} // namespace quelvarin
