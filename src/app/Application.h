// Start-up of the editor: the answers to --help and --version, application
// names, the main window, the event loop.
#pragma once

#include <QStringList>
#include <optional>

class QApplication;

namespace app {
// Answers -h/--help/--help-all and -v/--version on standard output before any
// display is opened, and returns the exit code; nullopt when the command line
// (up to a "--") asks for none of them, so that the editor starts. Every other
// word of the command line belongs to the file name.
std::optional<int> answerInformationOptions(int argc, char** argv);
// Every option the command line knows, as it is written: those answered
// without a window, "--" and the batch mode's. --help and the man page name each.
QStringList commandLineOptions();
// What --help prints.
QString helpText();

// Runs the editor until its main window closes; `arguments` are the words
// that name the file: the command line without the program name, Qt's own
// options and the "--" that ends them.
int run(QApplication& application, const QStringList& arguments);
}  // namespace app
