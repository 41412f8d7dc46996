#pragma once

#include "model/Protocol.h"
#include "platform/InstallPaths.h"
#include "platform/LineFile.h"

#include <array>
#include <map>

namespace quelvarin {

// The examinee's words for one answer, line by line.
using AnswerText = Lines;
using AnswerTexts = std::array<AnswerText, kAnswerCount>;

// Where the texts of the current answers live: the files aktualis/<n>.txt of the root for the
// workstation, memory for the CLI and the tests (which must leave the root untouched).
class AnswerTextStore {
public:
    virtual ~AnswerTextStore() = default;
    // No text (a missing file) reads as no lines.
    virtual AnswerText Read(int answer) const = 0;
    virtual bool Write(int answer, const AnswerText& text) = 0;
    virtual bool Remove(int answer) = 0;
    // Where the text of an answer is kept, for messages ("" when in memory).
    virtual std::string Where(int answer) const = 0;
};

class FileAnswerTextStore : public AnswerTextStore {
public:
    explicit FileAnswerTextStore(InstallPaths paths) : m_paths(std::move(paths)) {}
    AnswerText Read(int answer) const override;
    bool Write(int answer, const AnswerText& text) override;
    bool Remove(int answer) override;
    std::string Where(int answer) const override;

private:
    InstallPaths m_paths;
};

class MemoryAnswerTextStore : public AnswerTextStore {
public:
    AnswerText Read(int answer) const override;
    bool Write(int answer, const AnswerText& text) override;
    bool Remove(int answer) override;
    std::string Where(int) const override { return ""; }
    bool Holds(int answer) const { return m_texts.count(answer) != 0; }

private:
    std::map<int, AnswerText> m_texts;
};

} // namespace quelvarin
