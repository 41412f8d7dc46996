#pragma once

#include "platform/InstallPaths.h"
#include "platform/LineFile.h"
#include "platform/Notifier.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quelvarin {

// A topic of the topic help window: its title and the file name that its notes (jegyzet/) and
// its help text (help/) share.
struct Topic {
    std::string_view title;
    std::string_view file;
};

// The sixteen topics, in the order of the windows that call them: the clinical questions,
// Neiger, personal data, SZEI, the ÉT graph, the supplementary information, the two layout
// dialogs, transference, alcoholism, the joint examination, and the five sign picker pages.
std::span<const Topic> Topics();
// The topic whose files have this name ("szei.hlp"), so that a window names its topic by its
// file rather than by its row; nothing for a name no topic has.
std::optional<Topic> TopicOfFile(std::string_view file);

// The window's caption for a topic: "súgó: " + title.
std::string TopicHelpCaption(std::string_view title);

// What the window shows for a topic: the user's notes (left) and the installed help (right),
// with the files they are read from and saved to.
struct TopicTexts {
    Lines notes;
    Lines help;
    std::filesystem::path notesFile;
    std::filesystem::path helpFile;
};

// Notes from jegyzet/<file>, help from help/<file>. A file not there is no failure: its box
// starts empty, and saving the box creates it.
TopicTexts ReadTopic(const InstallPaths& paths, const Topic& topic);
// The same; a file that is there but cannot be read is also reported, so that the examiner
// knows the empty box does not show it.
TopicTexts ReadTopic(const InstallPaths& paths, const Topic& topic, Notifier& notifier);

// Saves a box to its file (Windows-1250, CR LF), creating the folder, replacing the file
// atomically. False, with the examiner told, when it cannot be written: the file keeps its
// previous content and the caller keeps the box's text.
bool SaveTopicFile(const std::filesystem::path& file, const Lines& lines, Notifier& notifier);

} // namespace quelvarin
