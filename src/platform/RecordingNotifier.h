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
    const std::vector<std::string>& Questions() const { return m_questions; }
    void Clear() {
        m_messages.clear();
        m_questions.clear();
    }

private:
    std::vector<std::string> m_messages;
    std::vector<std::string> m_questions;
    std::deque<bool> m_answers;
};

} // namespace quelvarin
