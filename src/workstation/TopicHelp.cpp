#include "workstation/TopicHelp.h"

#include "platform/Cp1250.h"
#include "workstation/Messages.h"
#include "workstation/RootFiles.h"

#include <array>
#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;
namespace {

// clang-format off
constexpr std::array<Topic, 16> kTopics = {{
    {"Klinikai kérdések a személyi adatokban", "klinkerd.hlp"},
    {"Realitás-index (Neiger)", "neiger.hlp"},
    {"Rorschach személyi adatok", "szemad.hlp"},
    {"SZEI", "szei.hlp"},
    {"Az élménytípus", "etgraf.hlp"},
    {"kiegészítő információk", "kieginf.hlp"},
    {"Személyes konfiguráció betöltése", "KonfBe.hlp"},
    {"Konfiguráció mentése", "KonfKi.hlp"},
    {"Áttétel-skála (De Vos)", "attetel.hlp"},
    {"az alkoholizmus szindrómája", "alkohol.hlp"},
    {"Közös Rorschach vizsgálat", "krv.hlp"},
    {"felfogásmód", "ft.hlp"},
    {"determinánsok", "det.hlp"},
    {"tartalmak", "tart.hlp"},
    {"vulgáris válaszok", "gyak.hlp"},
    {"különleges reakciók", "kulre.hlp"},
}};
// clang-format on

// The lines of a topic file; none when it is not there, and none (reported when a notifier is
// given) when it is there but cannot be read.
Lines ReadTopicFile(const fs::path& file, Notifier* notifier) {
    if (auto lines = ReadLineFile(file)) {
        return *lines;
    }
    std::error_code error;
    if (notifier && fs::exists(file, error)) {
        notifier->Warning(messages::CannotRead(file.string()));
    }
    return {};
}

TopicTexts Read(const InstallPaths& paths, const Topic& topic, Notifier* notifier) {
    TopicTexts texts;
    texts.notesFile = paths.NotesFolder() / std::string(topic.file);
    texts.helpFile = paths.TopicHelpFolder() / std::string(topic.file);
    texts.notes = ReadTopicFile(texts.notesFile, notifier);
    texts.help = ReadTopicFile(texts.helpFile, notifier);
    return texts;
}

} // namespace

std::span<const Topic> Topics() {
    return kTopics;
}

std::optional<Topic> TopicOfFile(std::string_view file) {
    for (const auto& topic : kTopics) {
        if (topic.file == file) {
            return topic;
        }
    }
    return std::nullopt;
}

std::string TopicHelpCaption(std::string_view title) {
    return "súgó: " + std::string(title);
}

TopicTexts ReadTopic(const InstallPaths& paths, const Topic& topic) {
    return Read(paths, topic, nullptr);
}

TopicTexts ReadTopic(const InstallPaths& paths, const Topic& topic, Notifier& notifier) {
    return Read(paths, topic, &notifier);
}

bool SaveTopicFile(const fs::path& file, const Lines& lines, Notifier& notifier) {
    return WriteRootFile(file, EncodeCp1250(JoinLines(lines)), notifier);
}

} // namespace quelvarin
