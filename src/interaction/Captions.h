// The program's title, which every message box and the main window's caption
// show, and the caption texts built on it.
#pragma once

namespace interaction {

inline constexpr const char* kAppTitle = "Quillon Pro";
inline constexpr const char* TitleSuffix = " - Quillon Pro";
inline constexpr const char* kUntitled = "untitled.html";

}  // namespace interaction
