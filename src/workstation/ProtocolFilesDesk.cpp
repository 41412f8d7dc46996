#include "workstation/ProtocolFilesDesk.h"

#include "model/EducationLevels.h"
#include "platform/AtomicFile.h"
#include "workstation/Messages.h"
#include "workstation/RootFiles.h"

#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;

void ProtocolFilesDesk::NewProtocol(std::string_view code) {
    Protocol protocol;
    ResetToNewProtocol(protocol, m_session.Time().TodayShortDate());
    protocol.personal.code = std::string(code);
    ClearAnswerTexts();
    DiscardRecoveryCopy();
    m_session.Replace(std::move(protocol), ProtocolSource::New, std::nullopt);
}

bool ProtocolFilesDesk::LoadProtocol(const fs::path& path, ProtocolSource source) {
    auto& notifier = m_session.Notify();
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        notifier.Warning(messages::CannotRead(path.string()));
        return false;
    }
    auto parse = ParseProtocol(*bytes);
    if (!parse) {
        if (parse.error.problem == ProtocolFileProblem::NotQuelvarin) {
            notifier.Warning(messages::kNotQuelvarin);
        } else {
            notifier.Warning(messages::BadProtocolFile(path.string(), parse.error.line, parse.error.reason));
        }
        return false;
    }
    return Install(std::move(*parse.parsed), source);
}

bool ProtocolFilesDesk::Install(ParsedProtocol parsed, ProtocolSource source) {
    // The texts go first: if one cannot be written the current protocol stays as it was. An
    // answer without text has no file, which reads as no text (and costs no write to disk).
    auto& texts = m_session.Texts();
    for (int n = 1; n <= kAnswerCount; ++n) {
        const auto& text = parsed.texts[static_cast<std::size_t>(n - 1)];
        if (!(text.empty() ? texts.Remove(n) : texts.Write(n, text))) {
            m_session.Notify().Warning(messages::CannotWrite(texts.Where(n)));
            return false;
        }
    }
    if (!KeepOnlyListedEducation(parsed.protocol.personal.education)) {
        m_session.Notify().Message(messages::kOnlyFromList);
    }
    if (source != ProtocolSource::Recovered) {
        DiscardRecoveryCopy();
    }
    m_session.Replace(std::move(parsed.protocol), source, 1);
    return true;
}

void ProtocolFilesDesk::ClearAnswerTexts() {
    for (int n = 1; n <= kAnswerCount; ++n) {
        m_session.Texts().Remove(n);
    }
}

std::string ProtocolFilesDesk::ProtocolFileBytes() const {
    return SerializeProtocol(m_session.CurrentProtocol(), m_session.AllAnswerTexts());
}

bool ProtocolFilesDesk::SaveProtocol(const fs::path& path) {
    if (!ReplaceFileAtomically(path, ProtocolFileBytes())) {
        m_session.Notify().Warning(messages::CannotWrite(path.string()));
        return false;
    }
    DiscardRecoveryCopy();
    m_session.SetModified(false);
    return true;
}

// --- The recovery copy --------------------------------------------------------------------

bool ProtocolFilesDesk::RecoveryCopyExists() const {
    std::error_code error;
    return KeepsRecovery() && fs::is_regular_file(m_session.Paths().RecoveryFile(), error);
}

bool ProtocolFilesDesk::RestoreRecoveryCopy() {
    if (!RecoveryCopyExists() || !LoadProtocol(m_session.Paths().RecoveryFile(), ProtocolSource::Recovered)) {
        return false;
    }
    // Nothing of it is saved yet: the copy stays until it is.
    m_session.SetModified(true);
    return true;
}

void ProtocolFilesDesk::DiscardRecoveryCopy() {
    m_session.RecoveryWritten();
    if (KeepsRecovery()) {
        std::error_code error;
        fs::remove(m_session.Paths().RecoveryFile(), error);
    }
}

bool ProtocolFilesDesk::WriteRecoveryCopyIfDue() {
    auto due = m_session.RecoveryWriteDue();
    if (!due || m_session.Time().Now() < *due) {
        return false;
    }
    return WriteRecoveryCopy();
}

bool ProtocolFilesDesk::WriteRecoveryCopy() {
    if (!KeepsRecovery() || !m_session.RecoveryWriteDue()) {
        return false;
    }
    auto path = m_session.Paths().RecoveryFile();
    if (!WriteRootFile(path, ProtocolFileBytes())) {
        // Said once, not every second; the protocol itself is untouched.
        if (!m_recoveryWriteFailed) {
            m_session.Notify().Warning(messages::CannotWrite(path.string()));
        }
        m_recoveryWriteFailed = true;
        m_session.RecoveryWritten();
        return false;
    }
    m_recoveryWriteFailed = false;
    m_session.RecoveryWritten();
    return true;
}

} // namespace quelvarin
