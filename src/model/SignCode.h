#pragma once

#include <cstdint>

namespace quelvarin {

// The code of a scoring sign: at once the value in an answer slot, the index of the sign's
// counter and the line of its help texts.
using SignCode = std::uint16_t;

// Named codes for ranges, for the counters that code fills and for the few signs that code
// outside the rule tables refers to; the rule tables name signs by Sign("...") (SignNames.h).
// SymbolCatalogue.cpp checks every constant here that has a name against that name.
namespace codes {

// The counters run over this range of codes.
inline constexpr SignCode kFirstCounter = 90;
inline constexpr SignCode kLastCounter = 497;
inline constexpr int kCounterCount = kLastCounter - kFirstCounter + 1; // 408

inline constexpr SignCode kFirstNamedCategory = 97, kLastNamedCategory = 108;
inline constexpr SignCode kFirstSpecialReaction = 109;
inline constexpr SignCode kLastSpecialReaction = 267;
inline constexpr SignCode kVersagen = 260;
inline constexpr SignCode kFH = 149;
inline constexpr SignCode kHdKompenzalas = 167;

inline constexpr SignCode kV1 = 293, kV2 = 294, kV3 = 295, kVPercent = 296;
inline constexpr SignCode kOPlus = 297, kOPlusMinus = 298, kOMinus = 299, kOPercent = 300;

inline constexpr SignCode kFirstDeterminant = 301;
inline constexpr SignCode kLastFormLevelDeterminant = 333;
inline constexpr SignCode kAsszocB = 343, kAbsztrB = 344;
inline constexpr SignCode kFirstContent = 345;
inline constexpr SignCode kLastContent = 396;

inline constexpr SignCode kAnswerCount = 397;  // answers with a card
inline constexpr SignCode kAnswersEarly = 398; // cards I..VII
inline constexpr SignCode kAnswersLate = 399;  // cards VIII..X
inline constexpr SignCode kFirstLocation = 400;
inline constexpr SignCode kDzw = 410;
inline constexpr SignCode kLastLocation = 412;
inline constexpr SignCode kColourIndex = 413;

// The twelve components of the sensitivity-paranoia index: the effective answers, then the
// frequencies of its eleven categories.
inline constexpr SignCode kFirstSensitivityParanoia = 416;
inline constexpr SignCode kSpAnswers = 416;
inline constexpr SignCode kSpEyeProjections = 417;
inline constexpr SignCode kSpSuspiciousReactions = 418;
inline constexpr SignCode kSpContentVoidings = 419;
inline constexpr SignCode kSpPerceptualTraits = 420;
inline constexpr SignCode kSpAffectVoidings = 421;
inline constexpr SignCode kSpConcealments = 422;
inline constexpr SignCode kSpAttributions = 423;
inline constexpr SignCode kSpBelittlingWithMeaning = 424;
inline constexpr SignCode kSpSymmetryEmphasis = 425;
inline constexpr SignCode kSpBelittlingWithoutMeaning = 426;
inline constexpr SignCode kSpDangerProjections = 427;
inline constexpr SignCode kLastSensitivityParanoia = 427;

// The eighteen supplementary-information flags, 0 or 1; item k of the check list is 480 + k - 1.
inline constexpr SignCode kFirstSupplementary = 480;
inline constexpr SignCode kFlagDefusingTendency = 486;
inline constexpr SignCode kFlagHiddenDramatisation = 487;
inline constexpr SignCode kFlagAuthorityContent = 488;
inline constexpr SignCode kFlagNaiveSecuritySeeking = 489;
inline constexpr SignCode kFlagAnswerSpoiling = 490;
inline constexpr SignCode kFlagBelittlingContents = 492;
inline constexpr SignCode kLastSupplementary = 497;

// Sub-variants stand in answers only: "FH +", "FH +/-", "FH -" of 149 and "közép", "lyuk",
// "széli" of 410. They have no counter of their own.
inline constexpr SignCode kFHPlus = 1491, kFHPlusMinus = 1492, kFHMinus = 1493;
inline constexpr SignCode kFirstFHVariant = kFHPlus, kLastFHVariant = kFHMinus;
inline constexpr SignCode kDzwKozep = 4101, kDzwLyuk = 4102, kDzwSzeli = 4103;
inline constexpr SignCode kFirstDzwVariant = kDzwKozep, kLastDzwVariant = kDzwSzeli;

} // namespace codes
} // namespace quelvarin
