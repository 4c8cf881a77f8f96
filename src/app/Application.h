// Start-up of the editor: application names, the file named on the command
// line read while the main window is built, the event loop.
#pragma once

#include <QStringList>

class QApplication;

namespace app {
// Runs the editor until its main window closes; `arguments` are the words
// that name the file: the command line without the program name, Qt's own
// options and the "--" that ends them.
int run(QApplication& application, const QStringList& arguments);
}  // namespace app
