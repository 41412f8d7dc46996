#include "workstation/TextFileDesk.h"

#include "workstation/TextFileTexts.h"

namespace quelvarin {
namespace fs = std::filesystem;
namespace texts = window_texts;

void TextFileDesk::OfferToSave() {
    if (m_file.Modified() && m_session.Notify().Ask(texts::AskSaveTextFile(m_file.Path().string()))) {
        m_file.Save(m_session.Notify());
    }
}

bool TextFileDesk::Open() {
    OfferToSave();
    auto folder = m_file.HasFile() ? m_file.Path().parent_path() : fs::path();
    auto chosen = m_session.Chooser().ChooseFileToOpen(FileDialog{
        std::string(texts::kTextEditorOpenTitle), folder, std::string(texts::kTextEditorAllFiles), {}, {}});
    return chosen && m_file.Open(*chosen, m_session.Notify());
}

bool TextFileDesk::OpenFile(const fs::path& path) {
    OfferToSave();
    return m_file.Open(path, m_session.Notify());
}

bool TextFileDesk::Save() {
    return m_file.Save(m_session.Notify());
}

void TextFileDesk::Close() {
    OfferToSave();
    m_file.Close();
}

bool TextFileDesk::InsertLine(std::optional<std::size_t> before) {
    return m_file.InsertBefore(before.value_or(m_file.Rows().size()));
}

} // namespace quelvarin
