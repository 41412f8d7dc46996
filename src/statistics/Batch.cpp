#include "statistics/Batch.h"

#include "model/EducationLevels.h"
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "scoring/StoredFigures.h"
#include "statistics/StatisticsFile.h"
#include "statistics/StatisticsRow.h"

#include <algorithm>
#include <system_error>
#include <unordered_set>

namespace quelvarin::statistics {
namespace fs = std::filesystem;

namespace {

// Reads and parses one file for its figures; a note instead when it is rejected.
class FileReader {
public:
    // The protocol stays valid until the next Read.
    const Protocol* Read(const fs::path& file, std::vector<BatchNote>& notes) {
        if (!ReadFileInto(file, m_buffer)) {
            notes.push_back({BatchNote::Kind::Rejected, "nem olvasható, kihagyva: " + file.string()});
            return nullptr;
        }
        m_parse = ParseProtocol(m_buffer, ProtocolParseMode::FiguresOnly);
        auto& parse = m_parse;
        if (!parse) {
            if (parse.error.problem == ProtocolFileProblem::NotQuelvarin) {
                notes.push_back(
                    {BatchNote::Kind::Rejected, "nem Quelvarin állomány, kihagyva: " + file.string()});
            } else {
                notes.push_back({BatchNote::Kind::Rejected, "hibás jegyzőkönyv, kihagyva: " + file.string() +
                                                                ", " + std::to_string(parse.error.line) +
                                                                ". sor: " + parse.error.reason});
            }
            return nullptr;
        }
        // As the workstation opens a file: an education outside the list is emptied.
        if (!KeepOnlyListedEducation(parse.parsed->protocol.personal.education)) {
            notes.push_back({BatchNote::Kind::EducationEmptied,
                             "az iskolázottság nem a listáról való, üresen marad: " + file.string()});
        }
        StoreLoadedFigures(parse.parsed->protocol);
        return &parse.parsed->protocol;
    }

private:
    std::string m_buffer;
    ProtocolParse m_parse;
};

// Collects output into pieces of about 64 KiB.
class Chunks {
public:
    explicit Chunks(const std::function<bool(std::string_view)>& write) : m_write(write) {}
    bool Add(std::string_view utf8) {
        m_pending += EncodeCp1250(utf8);
        return m_pending.size() < kChunk || Flush();
    }
    bool Flush() {
        bool ok = m_pending.empty() || m_write(m_pending);
        m_pending.clear();
        return ok;
    }

private:
    static constexpr std::size_t kChunk = 64 * 1024;
    const std::function<bool(std::string_view)>& m_write;
    std::string m_pending;
};

void Report(const Progress& progress, std::size_t done, std::size_t total) {
    if (progress) {
        progress(done, total);
    }
}

// Reads the files in order and adds the row of each one the loader accepts; `rowOf` gives
// none for a file it skips. False when the output stopped taking rows.
template <typename RowOf>
bool AddRows(const std::vector<fs::path>& files, const Progress& progress, BatchReport& report,
             Chunks& chunks, RowOf rowOf) {
    FileReader reader;
    bool ok = true;
    for (std::size_t i = 0; i < files.size() && ok; ++i) {
        Report(progress, i, files.size());
        const Protocol* protocol = reader.Read(files[i], report.notes);
        if (!protocol) {
            continue;
        }
        auto row = rowOf(*protocol, files[i]);
        if (!row) {
            continue;
        }
        ok = chunks.Add(*row);
        ++report.rows;
        report.last = files[i];
    }
    Report(progress, files.size(), files.size());
    return ok;
}

} // namespace

BatchReport AttachFiles(const fs::path& target, const std::vector<fs::path>& files, bool skipPresent,
                        const Progress& progress) {
    BatchReport report;
    std::error_code error;
    bool exists = fs::exists(target, error);
    std::unordered_set<std::string> present;
    if (skipPresent && exists) {
        auto codes = CodesInFile(target);
        if (!codes) {
            report.failure = "A(z) „" + target.string() + "” állomány nem olvasható!!!";
            return report;
        }
        present.insert(codes->begin(), codes->end());
    }
    // A target that cannot be written stops the run before any file is read; a missing one is
    // created here.
    if (!AppendToFile(target, {})) {
        report.failure = "A(z) „" + target.string() + "” állomány nem írható!!!";
        return report;
    }
    // Each piece of whole rows is one append: one that fails is cut back, so the rows before it
    // stay and no half row follows them.
    std::function<bool(std::string_view)> write = [&target](std::string_view bytes) {
        return AppendToFile(target, bytes);
    };
    Chunks chunks(write);
    bool ok = exists || chunks.Add(StatisticsHeader());
    ok = ok &&
         AddRows(files, progress, report, chunks,
                 [&](const Protocol& protocol, const fs::path& file) -> std::optional<std::string> {
                     const auto& code = protocol.personal.code;
                     if (skipPresent && !present.insert(code).second) {
                         report.notes.push_back(
                             {BatchNote::Kind::AlreadyPresent,
                              "már szerepel a célfájlban, kihagyva: " + file.string() + " (" + code + ")"});
                         return std::nullopt;
                     }
                     return StatisticsRow(protocol);
                 });
    ok = chunks.Flush() && ok;
    if (!ok) {
        // A target this run created and kept nothing in (not even its header) is removed, so that
        // the next run starts it with the header again.
        if (!exists && fs::is_empty(target, error)) {
            fs::remove(target, error);
        }
        report.failure =
            "A(z) „" + target.string() + "” állomány nem írható!!! A korábban írt sorok megmaradtak.";
    }
    return report;
}

std::optional<std::vector<fs::path>> ProtocolFilesOf(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return std::nullopt;
    }
    std::vector<fs::path> files;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        if (IsProtocolFileName(it->path()) && it->is_regular_file(error)) {
            files.push_back(it->path());
        }
    }
    if (error) {
        return std::nullopt;
    }
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return a.filename().string() < b.filename().string();
    });
    return files;
}

bool IsProtocolFileName(const fs::path& file) {
    auto extension = file.extension().string();
    if (extension.size() != 4 || extension[0] != '.') {
        return false;
    }
    constexpr std::string_view kExtension = "qvl";
    for (std::size_t i = 0; i < kExtension.size(); ++i) {
        char c = extension[i + 1];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != kExtension[i]) {
            return false;
        }
    }
    return true;
}

BatchReport ExportSummary(const std::vector<fs::path>& files,
                          const std::function<bool(std::string_view)>& write, const Progress& progress) {
    BatchReport report;
    Chunks chunks(write);
    bool ok = chunks.Add(SummaryHeader());
    ok = ok && AddRows(files, progress, report, chunks,
                       [](const Protocol& protocol, const fs::path&) -> std::optional<std::string> {
                           return SummaryRow(protocol);
                       });
    ok = chunks.Flush() && ok;
    if (!ok) {
        report.failure = "Az összesítő nem írható!!!";
    }
    return report;
}

std::string SummaryDoneMessage(std::size_t files, const fs::path& summaryFile) {
    return "Az adatok kiszámítása és csatolása befejeződött.\r\n" + std::to_string(files) +
           " fájl került feldolgozásra.\r\nA kész fájlt elérési útvonala " + summaryFile.string();
}

} // namespace quelvarin::statistics
