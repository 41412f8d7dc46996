#include "workstation/StatisticsFilesDesk.h"

#include "platform/AtomicFile.h"
#include "platform/Cp1250.h"
#include "statistics/StatisticsFile.h"
#include "workstation/Messages.h"
#include "workstation/StatisticsTexts.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;

namespace {

// "*.dat" as the desktop matches it: without regard to case.
bool IsDatFile(const fs::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) {
        return false;
    }
    auto extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".dat";
}

} // namespace

fs::path StatisticsFilesDesk::Folder() const {
    return m_session.Paths().StatisticsFolder();
}

void StatisticsFilesDesk::ListFiles() {
    m_listed.clear();
    std::error_code error;
    for (fs::directory_iterator it(Folder(), error), end; !error && it != end; it.increment(error)) {
        if (IsDatFile(*it)) {
            m_listed.push_back(it->path().filename().string());
        }
    }
    std::sort(m_listed.begin(), m_listed.end());
}

void StatisticsFilesDesk::OpenAttachDialog() {
    m_target = Target::None;
    m_chosen.reset();
    m_chosenAccepts = false;
    m_name.clear();
    ListFiles();
}

void StatisticsFilesDesk::ChooseTarget(Target target) {
    m_target = target;
}

void StatisticsFilesDesk::ChooseFile(std::optional<std::size_t> index) {
    m_chosen = index && *index < m_listed.size() ? index : std::nullopt;
    Recheck();
}

void StatisticsFilesDesk::Recheck() {
    m_chosenAccepts = false;
    if (!m_chosen) {
        return;
    }
    // A file that cannot be read takes no row: its rows could not be checked for the code.
    auto present = statistics::CodePresentInFile(Folder() / m_listed[*m_chosen],
                                                 m_session.CurrentProtocol().personal.code);
    m_chosenAccepts = present.has_value() && !*present;
}

std::string StatisticsFilesDesk::TypeName(std::string_view typed) {
    auto filtered = statistics::FilterTypedName(typed);
    if (filtered.refused) {
        m_session.Notify().Message(statistics::kNameCharactersMessage);
    }
    m_name = filtered.name;
    return m_name;
}

bool StatisticsFilesDesk::MayAttach() const {
    switch (m_target) {
    case Target::Existing:
        return m_chosen && m_chosenAccepts;
    case Target::New:
        return statistics::NewNameAccepted(m_name, m_listed);
    case Target::None:
        break;
    }
    return false;
}

bool StatisticsFilesDesk::Attach() {
    Recheck(); // the file may have changed since it was chosen
    if (!MayAttach()) {
        return false;
    }
    if (m_session.CurrentProtocol().personal.code.empty() &&
        !m_session.Notify().Ask(window_texts::kAskAttachWithoutCode)) {
        return false;
    }
    auto file = Folder() / (m_target == Target::Existing ? m_listed[*m_chosen] : m_name + ".dat");
    if (m_target == Target::New) {
        std::error_code error;
        fs::create_directories(Folder(), error);
    }
    if (!m_statistics.AttachToStatistics(file)) {
        return false;
    }
    ListFiles();
    m_chosen.reset();
    m_chosenAccepts = false;
    return true;
}

std::string StatisticsFilesDesk::StatisticsFolderText() const {
    return (Folder() / "").string();
}

void StatisticsFilesDesk::OpenNewFileWindow() {
    TypeNewFileName({});
}

std::string_view StatisticsFilesDesk::TypeNewFileName(std::string_view name) {
    m_newName = std::string(name);
    m_button = statistics::NewFileButton(Folder(), m_newName);
    return m_button;
}

std::optional<std::string> StatisticsFilesDesk::PressNewFileButton() {
    if (m_button == statistics::kButtonExists) {
        m_session.Notify().Message(statistics::kExistsMessage);
        return std::nullopt;
    }
    if (m_button != statistics::kButtonCreate) {
        return std::nullopt;
    }
    auto name = m_newName + ".dat";
    auto file = Folder() / name;
    std::error_code error;
    fs::create_directories(Folder(), error);
    if (!statistics::CreateWithHeader(file)) {
        // Made meanwhile by someone else, or not writable: the button tells which.
        if (TypeNewFileName(m_newName) == statistics::kButtonExists) {
            m_session.Notify().Message(statistics::kExistsMessage);
        } else {
            m_session.Notify().Warning(messages::CannotWrite(file.string()));
        }
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> StatisticsFilesDesk::FileText(const fs::path& file) {
    auto bytes = ReadFileBytes(file);
    if (!bytes) {
        m_session.Notify().Warning(messages::CannotRead(file.string()));
        return std::nullopt;
    }
    return DecodeCp1250(*bytes);
}

} // namespace quelvarin
