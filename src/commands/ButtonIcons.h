// Pictures of the toolbar buttons: the desktop's icon theme where it has the
// picture, else our own small drawing from the resources, else (no SVG
// support installed) a few letters of the hint, so that every button shows
// something on a bare machine.
#pragma once

#include <QIcon>

namespace commands {

struct CommandEntry;

QIcon buttonIcon(const CommandEntry& entry);

}  // namespace commands
