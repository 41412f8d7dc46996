#pragma once

// The main window's fixed geometry in pixels, and the places the documentation gives relative
// to it.
namespace quelvarin::main_window {

// The client area: toolbar, answer and timing panels, sign picker.
inline constexpr int kClientWidth = 869;
inline constexpr int kClientHeight = 680;
inline constexpr int kToolbarHeight = 34;

// The answer panel's place in the client area and the width of its answer list.
inline constexpr int kAnswerPanelLeft = 4;
inline constexpr int kAnswerListWidth = 40;

// The card choice opens beside the answer list, this far below the main window's top.
inline constexpr int kCardChoiceTop = 70;

// The coding windows open this far right of and below the main window's top-left corner: SZEI,
// and the transference scale. The topic help called from the SZEI window opens at its left
// edge, this far below its top.
inline constexpr int kSzeiCodingLeft = 110;
inline constexpr int kSzeiCodingTop = 60;
inline constexpr int kTransferenceCodingLeft = 190;
inline constexpr int kTransferenceCodingTop = 150;
inline constexpr int kSzeiTopicHelpTop = 160;

} // namespace quelvarin::main_window
