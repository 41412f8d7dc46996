// Compiled on demand by the SignNames.* tests, one probe at a time: a sign name resolves while
// compiling, and a name that no sign has, or one that names two signs, stops the build.
#include "model/SignNames.h"

namespace quelvarin {

#if defined(QUELVARIN_PROBE_CORRECT)
static_assert(Sign("Tűz") == 352);
#elif defined(QUELVARIN_PROBE_MISSPELT)
static_assert(Sign("Tüz") == 352); // "ü" for "ű"
#elif defined(QUELVARIN_PROBE_AMBIGUOUS)
static_assert(Sign("Feleletszám") == 416); // the answer count 397 has the same name
#else
#error "Define the probe to compile: QUELVARIN_PROBE_CORRECT, _MISSPELT or _AMBIGUOUS"
#endif

} // namespace quelvarin
