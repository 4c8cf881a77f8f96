// The four recently used files, kept in section "MRU List" of the settings
// store (slot 1 the most recent) and read afresh at every use.
#pragma once

#include <QString>
#include <array>

namespace app {

inline constexpr int kRecentSlots = 4;
using RecentSlots = std::array<QString, kRecentSlots>;

// The slots as stored (empty where nothing is stored).
RecentSlots readRecentSlots();
// Puts `path` in slot 1 and moves the others down, the oldest falling out;
// a path already in the list keeps its place and nothing changes.
void AddRecentFile(const QString& path);
// The slots as the File menu shows them: of two equal slots the lower-numbered
// one is cleared, so each file shows once.
RecentSlots recentMenuSlots();
// The caption of the menu entry of slot `index` (0-based): "&1 " and the path,
// an "&" of the path doubled so that it shows as itself.
QString recentCaption(int index, const QString& path);

}  // namespace app
