#pragma once

#include <string>

namespace quelvarin {

// The sample protocol shipped as archivum/minta.qvl: an invented adult's 22 answers over the
// ten cards, scored through the workstation as an examiner would score them, so that its
// tallies agree with its answers. Returns the bytes of the protocol file.
std::string BuildSampleProtocol();

} // namespace quelvarin
