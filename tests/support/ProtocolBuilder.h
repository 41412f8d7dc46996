#pragma once

#include "model/AnswerTextStore.h"
#include "model/ProtocolFile.h"
#include "platform/Clock.h"
#include "platform/RecordingNotifier.h"
#include "support/TempDir.h"
#include "workstation/Workstation.h"

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace quelvarin::test {

class RecordingSoundPlayer : public SoundPlayer {
public:
    void Play(const std::filesystem::path& wav) override { played.push_back(wav); }
    std::vector<std::filesystem::path> played;
};

// The file dialogs of the tests: every dialog is recorded and answered from a queue of files
// (an empty path, or an empty queue, cancels).
class ScriptedFileChooser : public FileChooser {
public:
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialog& dialog) override {
        return Next(dialog);
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialog& dialog) override {
        return Next(dialog);
    }

    std::deque<std::filesystem::path> files;
    std::vector<FileDialog> dialogs;

private:
    std::optional<std::filesystem::path> Next(const FileDialog& dialog) {
        dialogs.push_back(dialog);
        if (files.empty()) {
            return std::nullopt;
        }
        auto next = files.front();
        files.pop_front();
        return next.empty() ? std::nullopt : std::optional<std::filesystem::path>(next);
    }
};

// A workstation over a temporary root, with every service recorded: the answer texts are real
// files under <root>/aktualis, the date is fixed.
struct TestStation {
    static constexpr const char* kToday = "2026.12.10.";

    TestStation();
    explicit TestStation(const std::filesystem::path& root);

    TempDir dir;
    std::filesystem::path root;
    RecordingNotifier notifier;
    std::unique_ptr<FileAnswerTextStore> texts;
    RecordingSoundPlayer sound;
    FixedClock clock{kToday};
    ScriptedFileChooser chooser;
    std::unique_ptr<Workstation> station;

    Workstation& operator*() { return *station; }
    Workstation* operator->() { return station.get(); }
    // Selects the answer and gives it the card, as the card-choice window does; a refused card
    // fails the test.
    void AnswerOnCard(int answer, int card);
};

// A scored protocol with every part of the file filled: personal data with accents, card
// times, counters, Neiger flags, answers on several cards with signs, texts with empty lines.
ParsedProtocol ScoredProtocol();

// "" when the two files have the same bytes; otherwise where they first differ, line by line,
// so that a failing comparison of two 3524-line files says something readable.
std::string FirstDifference(const std::string& actual, const std::string& expected);

// The bytes of a protocol file with the given changes applied line by line (line counted from 0).
std::string ProtocolBytesWithLine(const std::string& bytes, int line, std::string_view value);

} // namespace quelvarin::test
