#pragma once

#include <string_view>

// The statistics windows: the attach dialog, the new-file window and the file viewer.
namespace quelvarin::window_texts {

inline constexpr std::string_view kAttachCaption = "Eradmények statisztikai feldolgozása";
inline constexpr std::string_view kToExistingFile = ". . . létező fájlhoz";
inline constexpr std::string_view kToNewFile = ". . . vagy új fájlt létesíthet";
inline constexpr std::string_view kStatisticsFilesName = "statisztikai fájlok";
inline constexpr std::string_view kNewNameLabel = "neve (max. 8 karakter):";
inline constexpr std::string_view kDatSuffix = ".dat";
inline constexpr std::string_view kAttachButton = "&csatol";
inline constexpr std::string_view kCancelAttachButton = "&mégse";

inline constexpr std::string_view kNewFileCaption = "Új statisztikai fájl létrehozása";
inline constexpr std::string_view kNewFileNameName = "az új fájl neve";

inline constexpr std::string_view kStatisticsTextName = "a statisztikai fájl";

// A row keyed by an empty code can never be found again by the duplicate rule.
inline constexpr std::string_view kAskAttachWithoutCode =
    "A jegyzőkönyvnek nincs vizsgálati kódja, így a sora a statisztikai fájlban soha nem lesz "
    "megkülönböztethető a többitől, és kétszeri csatolását sem lehet észrevenni. Mégis csatolja?";

} // namespace quelvarin::window_texts
