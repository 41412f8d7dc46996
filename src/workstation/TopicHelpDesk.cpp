#include "workstation/TopicHelpDesk.h"

#include "workstation/TopicHelpTexts.h"

namespace quelvarin {

bool TopicHelpDesk::ShowTopic(std::string_view file) {
    auto topic = TopicOfFile(file);
    if (!topic) {
        return false;
    }
    SaveEdited();
    auto texts = ReadTopic(m_session.Paths(), *topic, m_session.Notify());
    m_topic = topic;
    At(TopicBox::Notes) = Box{std::move(texts.notes), std::move(texts.notesFile), false};
    At(TopicBox::Help) = Box{std::move(texts.help), std::move(texts.helpFile), false};
    m_session.Tell([](SessionObserver& o) { o.TopicShown(); });
    return true;
}

std::string TopicHelpDesk::Caption() const {
    return m_topic ? TopicHelpCaption(m_topic->title) : std::string(window_texts::kTopicHelpDesignCaption);
}

void TopicHelpDesk::Edit(TopicBox box, Lines lines) {
    auto& edited = At(box);
    if (!m_topic || edited.text == lines) {
        return;
    }
    edited.text = std::move(lines);
    edited.edited = true;
}

bool TopicHelpDesk::SaveBox(Box& box) {
    // A box that cannot be saved keeps its text, and stays edited.
    if (SaveTopicFile(box.file, box.text, m_session.Notify())) {
        box.edited = false;
        return true;
    }
    return false;
}

bool TopicHelpDesk::Save() {
    if (!m_topic) {
        return false;
    }
    bool saved = true;
    for (auto& box : m_boxes) {
        saved = SaveBox(box) && saved;
    }
    return saved;
}

bool TopicHelpDesk::SaveEdited() {
    bool saved = true;
    for (auto& box : m_boxes) {
        if (box.edited) {
            saved = SaveBox(box) && saved;
        }
    }
    return saved;
}

} // namespace quelvarin
