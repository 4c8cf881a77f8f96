// The program's title and caption texts, and the file-name part of a path
// that captions and menus show.
#pragma once

#include <QString>

namespace markup {

inline constexpr const char* kAppTitle = "Quillon Pro";
inline constexpr const char* kTitleSuffix = " - Quillon Pro";
inline constexpr const char* kUntitled = "untitled.html";

// The text after the last "/" of a path, or the whole text without one.
inline QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

}  // namespace markup
