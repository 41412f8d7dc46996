#pragma once

#include <string_view>

// The program's own fixed texts outside any one window: its name, its command line and the
// buttons of its message boxes and dialogs.
namespace quelvarin::window_texts {

inline constexpr std::string_view kProgramName = "Quelvarin";
inline constexpr std::string_view kUsage = "Használat: quelvarin [--root MAPPA] [FÁJL.qvl]\n"
                                           "           quelvarin --help | --version\n"
                                           "  --root MAPPA   a telepítési fa (alapértelmezés: "
                                           "~/.local/share/tamrel/quelva)\n"
                                           "  FÁJL.qvl       induláskor megnyitott jegyzőkönyv\n";
inline constexpr std::string_view kNoDisplay =
    "Nincs grafikus kijelző, a munkaállomás ablakai nem nyithatók meg; a jegyzőkönyv mutatói: ";
// The buttons of the message boxes and the line-input dialog.
inline constexpr std::string_view kYes = "Igen";
inline constexpr std::string_view kNo = "Nem";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "Mégse";

} // namespace quelvarin::window_texts
