#pragma once

#include "platform/Notifier.h"

#include <deque>
#include <string>
#include <vector>

namespace quelvarin {

// Records every message and question; answers questions from a queue (no when it is empty).
class RecordingNotifier : public Notifier {
public:
    void Message(std::string_view text) override { m_messages.emplace_back(text); }
    // A warning is a message too; it is also kept apart, for the tests of which are warnings.
    void Warning(std::string_view text) override {
        m_warnings.emplace_back(text);
        Message(text);
    }
    bool Ask(std::string_view question) override {
        m_questions.emplace_back(question);
        if (m_answers.empty()) {
            return false;
        }
        bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void QueueAnswer(bool yes) { m_answers.push_back(yes); }
    const std::vector<std::string>& Messages() const { return m_messages; }
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    const std::vector<std::string>& Questions() const { return m_questions; }
    void Clear() {
        m_messages.clear();
        m_warnings.clear();
        m_questions.clear();
    }

private:
    std::vector<std::string> m_messages;
    std::vector<std::string> m_warnings;
    std::vector<std::string> m_questions;
    std::deque<bool> m_answers;
};

} // namespace quelvarin
