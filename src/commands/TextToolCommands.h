// What the menus need of the text tools beyond the registered handlers.
#pragma once

#include <QString>

namespace commands {

// The caption an entry of the "&Convert Special Characters" submenu takes when
// the submenu opens: "&Special Characters to HTML" for "ToolsS2H", "&HTML to
// Special Characters" for "ToolsH2S"; empty for any other entry name. The
// handler ToolsConvertClick applies them to the actions of those names.
QString specialCaption(const QString& entryName);

}  // namespace commands
