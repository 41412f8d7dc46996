#pragma once

#include "model/SignCode.h"

#include <span>

namespace quelvarin {

// The 52 contents (345..396) in Hungarian alphabetical order, as the contents page lists them
// beside its boxes. The order is a fixed table for a clinician to proofread, not a collation
// computed at run time: accented and plain vowels count alike (a = á, o = ó, ö = ő ...) and the
// plain one goes first only on a tie; o and ö, u and ü are different letters; cs, dz, dzs, gy,
// ly, ny, sz, ty, zs are letters of their own; case, full stops and parentheses are ignored
// ("(M)" follows "M" on the tie); a blank goes before any letter ("Md" < "Md Obj.").
std::span<const SignCode> ContentsInAlphabeticalOrder();

} // namespace quelvarin
