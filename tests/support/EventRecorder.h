#pragma once

#include "workstation/Session.h"

#include <string>
#include <utility>
#include <vector>

namespace quelvarin::test {

// Writes down every event a session raises, in words, so that a test can compare them with the
// list it expects: "answer 5", "figures: apprehension-mode answer-counts", "modified on" ...
class EventRecorder : public SessionObserver {
public:
    explicit EventRecorder(Session& session) : m_session(session) { m_session.AddObserver(*this); }
    ~EventRecorder() override { m_session.RemoveObserver(*this); }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    // The events since the last call.
    std::vector<std::string> Take() { return std::exchange(m_events, {}); }

    void FiguresRecomputed(RefreshSteps steps) override {
        std::string text = "figures:";
        const std::pair<RefreshStep, const char*> names[] = {
            {RefreshStep::ApprehensionMode, "apprehension-mode"},
            {RefreshStep::AnswerCounts, "answer-counts"},
            {RefreshStep::DeterminantFigures, "determinants"},
            {RefreshStep::ContentFigures, "contents"},
            {RefreshStep::VulgarPercent, "V%"},
            {RefreshStep::OriginalityPercent, "O%"},
            {RefreshStep::AnswersPerCard, "answers-per-card"},
        };
        for (const auto& [step, name] : names) {
            if (steps.Has(step)) {
                text += std::string(" ") + name;
            }
        }
        m_events.push_back(text);
    }
    void SelectionChanged() override {
        auto answer = m_session.CurrentAnswer();
        m_events.push_back("selection: answer " + (answer ? std::to_string(*answer) : std::string("none")) +
                           " card " + std::to_string(m_session.CurrentCard()));
    }
    void AnswerChanged(int answer) override { m_events.push_back("answer " + std::to_string(answer)); }
    void AnswerTextChanged(int answer) override {
        m_events.push_back("answer text " + std::to_string(answer));
    }
    void ProtocolReplaced(ProtocolSource source) override {
        const char* names[] = {"new", "opened", "recovered", "batch"};
        m_events.push_back(std::string("replaced: ") + names[static_cast<int>(source)]);
    }
    void HelpTextsShown(const HelpTexts& texts) override {
        m_events.push_back("help " + std::to_string(texts.code));
    }
    void HelpTextsCleared() override { m_events.push_back("help cleared"); }
    void ModifiedChanged(bool modified) override {
        m_events.push_back(modified ? "modified on" : "modified off");
    }
    void PersonalDataChanged() override { m_events.push_back("personal data"); }
    void CardTimesChanged(int card) override { m_events.push_back("card times " + std::to_string(card)); }
    void ChecksChanged() override { m_events.push_back("checks"); }
    void ModeChanged() override { m_events.push_back("mode"); }
    void CardChoiceChanged() override {
        auto offer = m_session.CardChoiceOffered();
        m_events.push_back(offer ? "card choice " + std::to_string(offer->preselected)
                                 : "card choice closed");
    }
    void TopicShown() override { m_events.push_back("topic"); }

private:
    Session& m_session;
    std::vector<std::string> m_events;
};

} // namespace quelvarin::test
