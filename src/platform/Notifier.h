#pragma once

#include <string_view>

namespace quelvarin {

// Where the system's fixed Hungarian messages go: message boxes in the workstation, standard
// error in the CLI, a recording in the tests.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Message(std::string_view text) = 0;
    // A message that reports a failure (a file that cannot be read or written): the workstation
    // shows it with the warning icon; elsewhere it is a message like any other.
    virtual void Warning(std::string_view text) { Message(text); }
    // A yes/no question; true is yes.
    virtual bool Ask(std::string_view question) = 0;
};

} // namespace quelvarin
