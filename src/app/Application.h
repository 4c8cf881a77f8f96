// Start-up of the editor: application names, the main window, the event loop.
#pragma once

#include <QStringList>

class QApplication;

namespace app {
// Runs the editor until its main window closes; `arguments` is the command
// line without the program name.
int run(QApplication& application, const QStringList& arguments);
}  // namespace app
