#pragma once

#include "model/Protocol.h"

// The two frequency percentages the psychogram shows and a load stores: V% and O%. The Neiger
// window shows them too (indices/neiger.h names them in its namespace).
namespace quelvarin {

// V%: the vulgar answers (V-1, V-2, V-3) as a whole percentage of the effective answers; O% the
// same for the original answers (O+, O+/-, O-). 0 without effective answers.
int VulgarPercent(const Protocol& protocol);
int OriginalityPercent(const Protocol& protocol);
// Store them into their counters, 296 and 300 (a percentage above 255 stays at 255).
void StoreVulgarPercent(Protocol& protocol);
void StoreOriginalityPercent(Protocol& protocol);

} // namespace quelvarin
