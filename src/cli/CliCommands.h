#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quelvarin {

// quelvarin-cli's exit statuses.
enum ExitStatus : int {
    kExitDone = 0,
    kExitUsage = 1,
    kExitRejected = 2, // an input file rejected or unreadable, or an output not writable
    kExitNothingToWrite = 3,
};

// Runs the CLI on its arguments (without the program name), writing the results to `out` and
// every message to `err`; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quelvarin
