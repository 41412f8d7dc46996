#pragma once

#include "model/ProtocolFile.h"

namespace quelvarin::bench {

// The heaviest protocol an examiner can make: 90 answers on all ten cards, 30 signs each,
// every answer coded for SZEI and transference, answer texts of two lines.
ParsedProtocol FullProtocol();

} // namespace quelvarin::bench
