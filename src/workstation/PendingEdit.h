#pragma once

namespace quelvarin {

// An edit a window hands to its desk as it is typed and the desk keeps until it is stored: a
// topic help text, a text file. Before the program ends every pending edit is settled: stored,
// or offered for storing where the examiner decides.
class PendingEdit {
public:
    virtual ~PendingEdit() = default;
    virtual void Settle() = 0;
};

} // namespace quelvarin
