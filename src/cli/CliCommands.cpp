#include "cli/CliCommands.h"

#include "interpretation/Interpretation.h"
#include "model/ProtocolFile.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/InstallPaths.h"
#include "platform/Version.h"
#include "statistics/Batch.h"
#include "statistics/StatisticsRow.h"
#include "workstation/FiguresJson.h"
#include "workstation/Messages.h"
#include "workstation/Workstation.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>

namespace quelvarin {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUsage =
    "Használat: quelvarin-cli [--root MAPPA] PARANCS [PARAMÉTEREK]\n"
    "           quelvarin-cli --help | --version\n"
    "  check FÁJL.qvl              \"ok\", ha a jegyzőkönyv betölthető; különben az ok a hibacsatornán\n"
    "  figures FÁJL.qvl            a pszichogram mutatói a betöltés után, egy JSON objektumként\n"
    "  new KI.qvl                  egy újonnan nyitott (mai dátumú) jegyzőkönyv állománya\n"
    "  resave BE.qvl KI.qvl        betölti BE-t, ahogy a munkaállomás, és KI néven menti\n"
    "  interpret FÁJL.qvl [-o KI]  a szöveges értelmezés, bájtra pontosan, mint a Szov_Ert.txt\n"
    "  sheet FÁJL.qvl [-o KI]      a HTML vizsgálati lap, bájtra pontosan, mint az aktualis.html\n"
    "  page FÁJL.qvl [-o KI]       a HTML jegyzőkönyv, bájtra pontosan, mint az akt_jkv.html\n"
    "  glossary FÁJL.qvl [-o KI]   a mechanikus szószedet, soronként CR LF-fel\n"
    "  help-pages                  a gyökér html/ertelmez és html/jelol súgólapjainak újraírása\n"
    "  stat-header [-o KI]         a statisztikai fájl fejléce\n"
    "  stat-row FÁJL.qvl... [-o KI]  fájlonként egy statisztikai sor, a megadás sorrendjében\n"
    "  stat-attach CÉL.dat FÁJL.qvl...  a sorok hozzáfűzése; ami már szerepel a célban, kimarad\n"
    "  summary MAPPA [-o KI]       a mappa .qvl fájljainak összesítése, név szerinti sorrendben\n";

// The workstation's messages go to standard error; a question is answered no.
class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& err) : m_err(err) {}
    void Message(std::string_view text) override { m_err << text << '\n'; }
    bool Ask(std::string_view question) override {
        m_err << question << " (nem)\n";
        return false;
    }

private:
    std::ostream& m_err;
};

struct Invocation {
    fs::path root = InstallPaths::DefaultRoot();
    std::string command;
    std::vector<std::string> operands;
    std::optional<std::string> output; // -o OUT
};

std::optional<Invocation> ParseArguments(const std::vector<std::string>& args) {
    Invocation invocation;
    std::size_t i = 0;
    while (i < args.size() && args[i] == "--root") {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            return std::nullopt;
        }
        invocation.root = args[i + 1];
        i += 2;
    }
    if (i >= args.size()) {
        return std::nullopt;
    }
    invocation.command = args[i++];
    for (; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || invocation.output) {
                return std::nullopt;
            }
            invocation.output = args[++i];
        } else {
            invocation.operands.push_back(args[i]);
        }
    }
    return invocation;
}

// One run of a command: a workstation over the root whose answer texts stay in memory and
// which keeps no recovery copy, so that nothing in the root is touched.
class CliRun {
public:
    CliRun(const fs::path& root, std::ostream& out, std::ostream& err)
        : m_out(out), m_err(err), m_notifier(err),
          m_workstation({InstallPaths(root), m_notifier, m_texts, m_sound, m_clock, m_chooser},
                        ProtocolFilesDesk::Recovery::Off) {}

    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }
    Workstation& Station() { return m_workstation; }

    // Loads a protocol file as the workstation opens one; messages name the file and line.
    bool Load(const std::string& file) {
        auto bytes = ReadFileBytes(file);
        if (!bytes) {
            m_err << file << ": az állomány nem olvasható.\n";
            return false;
        }
        auto parse = ParseProtocol(*bytes);
        if (!parse) {
            m_err << file << ": " << parse.error.line << ". sor: " << parse.error.reason << '\n';
            return false;
        }
        return m_workstation.files.Install(std::move(*parse.parsed));
    }

    // The result of a command: to -o OUT when given, else to standard output.
    int Emit(const std::optional<std::string>& output, std::string_view bytes) {
        if (!output) {
            m_out << bytes;
            return kExitDone;
        }
        return Write(*output, bytes) ? kExitDone : kExitRejected;
    }

    // Loads the protocol of the first operand and emits the lines a reports operation makes
    // of it, as the file the workstation writes: Windows-1250, CR LF.
    template <typename Make>
    int EmitLines(const Invocation& invocation, Make make) {
        if (!Load(invocation.operands[0])) {
            return kExitRejected;
        }
        return Emit(invocation.output, EncodeCp1250(JoinLines(make(m_workstation.reports))));
    }

    bool Write(const std::string& file, std::string_view bytes) {
        if (!ReplaceFileAtomically(file, bytes)) {
            m_err << file << ": az állomány nem írható.\n";
            return false;
        }
        return true;
    }

private:
    std::ostream& m_out;
    std::ostream& m_err;
    StreamNotifier m_notifier;
    MemoryAnswerTextStore m_texts;
    SilentSoundPlayer m_sound;
    SystemClock m_clock;
    NoFileChooser m_chooser;
    Workstation m_workstation;
};

struct Command {
    std::size_t operandCount;
    std::function<int(CliRun&, const Invocation&)> run;
    bool takesOutput = false;
    bool moreOperands = false; // operandCount is the least number of them
};

// Batches of more than a few hundred files say how far they are.
statistics::Progress ProgressOn(std::ostream& err, std::size_t files) {
    constexpr std::size_t kQuiet = 300, kEvery = 500;
    if (files <= kQuiet) {
        return {};
    }
    return [&err](std::size_t done, std::size_t total) {
        if (done % kEvery == 0 || done == total) {
            err << "feldolgozva: " << done << " / " << total << '\n';
        }
    };
}

int FinishBatch(CliRun& session, const statistics::BatchReport& report, bool rejectedIsFailure) {
    bool rejected = false;
    for (const auto& note : report.notes) {
        session.Err() << note.text << '\n';
        rejected = rejected || note.kind == statistics::BatchNote::Kind::Rejected;
    }
    if (report.failure) {
        session.Err() << *report.failure << '\n';
        return kExitRejected;
    }
    return rejected && rejectedIsFailure ? kExitRejected : kExitDone;
}

std::vector<std::filesystem::path> Paths(const std::vector<std::string>& operands, std::size_t from) {
    return {operands.begin() + static_cast<std::ptrdiff_t>(from), operands.end()};
}

const std::map<std::string, Command, std::less<>>& Commands() {
    static const std::map<std::string, Command, std::less<>> commands = {
        {"check",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              const auto& operands = invocation.operands;
              if (!session.Load(operands[0])) {
                  return kExitRejected;
              }
              session.Out() << "ok\n";
              return kExitDone;
          }}},
        {"figures",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              const auto& operands = invocation.operands;
              if (!session.Load(operands[0])) {
                  return kExitRejected;
              }
              session.Out() << FiguresJson(session.Station().session);
              return kExitDone;
          }}},
        {"new",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              const auto& operands = invocation.operands;
              session.Station().files.NewProtocol();
              return session.Write(operands[0], session.Station().files.ProtocolFileBytes()) ? kExitDone
                                                                                             : kExitRejected;
          }}},
        {"resave",
         {2,
          [](CliRun& session, const Invocation& invocation) -> int {
              const auto& operands = invocation.operands;
              if (!session.Load(operands[0])) {
                  return kExitRejected;
              }
              return session.Write(operands[1], session.Station().files.ProtocolFileBytes()) ? kExitDone
                                                                                             : kExitRejected;
          }}},
        {"interpret",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              if (!session.Load(invocation.operands[0])) {
                  return kExitRejected;
              }
              auto lines = interpretation::BuildInterpretation(session.Station().session.CurrentProtocol());
              if (!lines) {
                  session.Err() << messages::kNothingToInterpret << '\n';
                  return kExitNothingToWrite;
              }
              return session.Emit(invocation.output, interpretation::InterpretationBytes(*lines));
          },
          true}},
        {"sheet",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              return session.EmitLines(invocation,
                                       [](ReportsDesk& reports) { return reports.ExaminationSheetLines(); });
          },
          true}},
        {"page",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              return session.EmitLines(invocation,
                                       [](ReportsDesk& reports) { return reports.ProtocolPageLines(); });
          },
          true}},
        {"glossary",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              return session.EmitLines(invocation,
                                       [](ReportsDesk& reports) { return reports.BuildGlossary(); });
          },
          true}},
        {"help-pages",
         {0,
          [](CliRun& session, const Invocation&) -> int {
              return session.Station().reports.RegenerateHelpPages() ? kExitDone : kExitRejected;
          }}},
        {"stat-header",
         {0,
          [](CliRun& session, const Invocation& invocation) -> int {
              return session.Emit(invocation.output, EncodeCp1250(statistics::StatisticsHeader()));
          },
          true}},
        {"stat-row",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              // One row per file in argument order; a rejected file is named and skipped.
              std::string rows;
              bool rejected = false;
              for (const auto& file : invocation.operands) {
                  if (session.Load(file)) {
                      rows += statistics::StatisticsRow(session.Station().session.CurrentProtocol());
                  } else {
                      rejected = true;
                  }
              }
              int status = session.Emit(invocation.output, EncodeCp1250(rows));
              return status != kExitDone ? status : rejected ? kExitRejected : kExitDone;
          },
          true, true}},
        {"stat-attach",
         {2,
          [](CliRun& session, const Invocation& invocation) -> int {
              auto files = Paths(invocation.operands, 1);
              auto report = statistics::AttachFiles(invocation.operands[0], files, true,
                                                    ProgressOn(session.Err(), files.size()));
              return FinishBatch(session, report, true);
          },
          false, true}},
        {"summary",
         {1,
          [](CliRun& session, const Invocation& invocation) -> int {
              const auto& folder = invocation.operands[0];
              auto files = statistics::ProtocolFilesOf(folder);
              if (!files) {
                  session.Err() << folder << ": nincs ilyen mappa, vagy nem olvasható.\n";
                  return kExitRejected;
              }
              auto progress = ProgressOn(session.Err(), files->size());
              if (!invocation.output) {
                  auto report = statistics::ExportSummary(
                      *files,
                      [&session](std::string_view bytes) {
                          session.Out() << bytes;
                          return static_cast<bool>(session.Out());
                      },
                      progress);
                  return FinishBatch(session, report, true);
              }
              AtomicFileWriter out(*invocation.output);
              auto report = statistics::ExportSummary(
                  *files, [&out](std::string_view bytes) { return out.Write(bytes); }, progress);
              if (!report.failure && !out.Commit()) {
                  report.failure = *invocation.output + ": az állomány nem írható.";
              }
              return FinishBatch(session, report, true);
          },
          true}},
    };
    return commands;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto invocation = ParseArguments(args);
    // "--help" and "--version" take the place of a command, also after a root.
    if (invocation && invocation->operands.empty() && !invocation->output) {
        if (invocation->command == "--help" || invocation->command == "-h") {
            out << kUsage;
            return kExitDone;
        }
        if (invocation->command == "--version") {
            out << "quelvarin-cli " << kVersion << '\n';
            return kExitDone;
        }
    }
    if (!invocation) {
        err << kUsage;
        return kExitUsage;
    }
    auto it = Commands().find(invocation->command);
    auto operands = invocation->operands.size();
    if (it == Commands().end() ||
        (it->second.moreOperands ? operands < it->second.operandCount
                                 : operands != it->second.operandCount) ||
        (invocation->output && !it->second.takesOutput)) {
        if (it == Commands().end()) {
            err << "Ismeretlen parancs: " << invocation->command << '\n';
        }
        err << kUsage;
        return kExitUsage;
    }
    CliRun session(invocation->root, out, err);
    return it->second.run(session, *invocation);
}

} // namespace quelvarin
