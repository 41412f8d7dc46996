#include "model/AnswerTextStore.h"

#include "platform/PrivateFiles.h"

#include <system_error>

namespace quelvarin {
namespace fs = std::filesystem;

AnswerText FileAnswerTextStore::Read(int answer) const {
    auto lines = ReadLineFile(m_paths.AnswerTextFile(answer));
    return lines ? std::move(*lines) : AnswerText{};
}

bool FileAnswerTextStore::Write(int answer, const AnswerText& text) {
    std::error_code error;
    CreateFolders(m_paths.CurrentFolder(), error);
    return WriteLineFile(m_paths.AnswerTextFile(answer), text);
}

bool FileAnswerTextStore::Remove(int answer) {
    std::error_code error;
    fs::remove(m_paths.AnswerTextFile(answer), error);
    return !error;
}

std::string FileAnswerTextStore::Where(int answer) const {
    return m_paths.AnswerTextFile(answer).string();
}

AnswerText MemoryAnswerTextStore::Read(int answer) const {
    auto it = m_texts.find(answer);
    return it == m_texts.end() ? AnswerText{} : it->second;
}

bool MemoryAnswerTextStore::Write(int answer, const AnswerText& text) {
    m_texts[answer] = text;
    return true;
}

bool MemoryAnswerTextStore::Remove(int answer) {
    m_texts.erase(answer);
    return true;
}

} // namespace quelvarin
