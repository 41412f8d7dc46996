#include "workstation/ProtocolLifecycle.h"

#include "workstation/Messages.h"
#include "workstation/ProtocolFileTexts.h"

#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;
namespace texts = window_texts;

void ProtocolLifecycle::StartUp(const std::optional<fs::path>& file) {
    auto& notifier = m_session.Notify();
    bool recovered = false;
    if (m_files.RecoveryCopyExists()) {
        if (notifier.Ask(texts::kAskRecover)) {
            recovered = m_files.RestoreRecoveryCopy();
        } else {
            m_files.DiscardRecoveryCopy();
        }
    }
    // The texts left in aktualis/ belong to a protocol that was saved or given up: the empty
    // protocol of the start must not show them, nor save them as its own.
    if (!recovered) {
        m_files.ClearAnswerTexts();
    }
    if (!file) {
        return;
    }
    if (recovered && !notifier.Ask(texts::AskOpenOverRecovered(file->string()))) {
        return;
    }
    OpenFile(*file);
}

bool ProtocolLifecycle::OfferToSave(bool asked) {
    if (!asked || !m_session.Notify().Ask(messages::kAskSaveCurrent)) {
        return true;
    }
    return SaveProtocol();
}

bool ProtocolLifecycle::NewProtocol() {
    m_session.CommitAnswerText();
    if (!OfferToSave(m_session.ProtocolStarted())) {
        return false;
    }
    m_files.NewProtocol(m_lastSaveName);
    return true;
}

bool ProtocolLifecycle::OpenProtocol() {
    m_session.CommitAnswerText();
    if (!OfferToSave(m_session.Modified())) {
        return false;
    }
    auto chosen = m_session.Chooser().ChooseFileToOpen(FileDialog{std::string(texts::kOpenDialogTitle),
                                                                  m_session.Paths().ArchiveFolder(),
                                                                  std::string(texts::kProtocolFilter),
                                                                  {},
                                                                  {}});
    return chosen && m_files.LoadProtocol(*chosen);
}

bool ProtocolLifecycle::OpenFile(const fs::path& path) {
    m_session.CommitAnswerText();
    return OfferToSave(m_session.Modified()) && m_files.LoadProtocol(path);
}

bool ProtocolLifecycle::SaveProtocol() {
    m_session.CommitAnswerText();
    FileDialog dialog{std::string(texts::kSaveDialogTitle), m_session.Paths().ArchiveFolder(),
                      std::string(texts::kProtocolFilter), m_session.CurrentProtocol().personal.code,
                      std::string(texts::kProtocolExtension)};
    for (;;) {
        auto chosen = m_session.Chooser().ChooseFileToSave(dialog);
        if (!chosen) {
            return false;
        }
        fs::path path = *chosen;
        if (!path.has_extension()) {
            path += "." + dialog.defaultExtension;
        }
        std::error_code error;
        if (fs::exists(path, error) && !m_session.Notify().Ask(texts::AskOverwrite(path.string()))) {
            // Back to the dialog, where the examiner left it.
            dialog.folder = path.parent_path();
            dialog.proposedName = path.filename().string();
            continue;
        }
        if (!m_files.SaveProtocol(path)) {
            return false;
        }
        m_lastSaveName = path.stem().string();
        return true;
    }
}

bool ProtocolLifecycle::MayReplace() {
    m_session.CommitAnswerText();
    return OfferToSave(m_session.Modified());
}

bool ProtocolLifecycle::Exit() {
    auto& notifier = m_session.Notify();
    if (!notifier.Ask(messages::kAskExit)) {
        return false;
    }
    m_session.SettleEdits();
    // A save dialog cancelled, or a save that failed, keeps the program open.
    if (notifier.Ask(messages::kAskSaveChanges) && !SaveProtocol()) {
        return false;
    }
    m_files.EndCleanly();
    return true;
}

bool ProtocolLifecycle::Quit() {
    m_session.SettleEdits();
    if (m_session.Modified() && m_session.Notify().Ask(messages::kAskSaveChanges) && !SaveProtocol()) {
        return false;
    }
    m_files.EndCleanly();
    return true;
}

} // namespace quelvarin
