#pragma once

#include "workstation/PendingEdit.h"
#include "workstation/Session.h"
#include "workstation/TopicHelp.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quelvarin {

// The two boxes of the topic help window: the examiner's notes and the shipped help.
enum class TopicBox { Notes, Help };

// The topic help of the window that called it. The boxes are handed over as they are typed and
// saved without asking: by "ment", before another topic is shown, when the window loses the
// focus or closes, and before the program ends.
class TopicHelpDesk : private PendingEdit {
public:
    explicit TopicHelpDesk(Session& session) : m_session(session) { m_session.AddPendingEdit(*this); }

    const Session& State() const { return m_session; }

    // ShowTopicHelp: the topic of a help file name ("szei.hlp"); the edited boxes of the topic
    // shown so far are saved first, the files of the new one are read, and the topic help
    // window is told to show them. False for a file that no topic has.
    bool ShowTopic(std::string_view file);
    bool HasTopic() const { return m_topic.has_value(); }
    // "súgó: " and the title; the window's design caption before the first topic.
    std::string Caption() const;
    const Lines& Text(TopicBox box) const { return At(box).text; }
    // The file a box is read from and saved to ("" before the first topic).
    std::string FileOf(TopicBox box) const { return At(box).file.string(); }

    // A box as the examiner types it.
    void Edit(TopicBox box, Lines lines);
    bool Edited(TopicBox box) const { return At(box).edited; }
    // "ment": both boxes, edited or not. False when a box could not be written: it stays edited.
    bool Save();
    // Each edited box.
    bool SaveEdited();

private:
    struct Box {
        Lines text;
        std::filesystem::path file;
        bool edited = false;
    };
    const Box& At(TopicBox box) const { return m_boxes[static_cast<std::size_t>(box)]; }
    Box& At(TopicBox box) { return m_boxes[static_cast<std::size_t>(box)]; }
    bool SaveBox(Box& box);
    void Settle() override { SaveEdited(); }

    Session& m_session;
    std::optional<Topic> m_topic;
    std::array<Box, 2> m_boxes;
};

} // namespace quelvarin
