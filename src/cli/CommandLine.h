// The command line of tagsmith: the options answered without a window (--help,
// --version), the words Qt may take its own options from, and the file the
// other words name. The batch mode (Batch.h) has its own options.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace cli {

// The program's version ("3.0.0").
const char* programVersion();

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

// Qt takes its own options (-style, -reverse, -nograb ...) out of every word
// it is given, "--" or not: it is given only the words before "--"
// (`forQt`, ending in a null pointer as argv does), so that a file named
// -reverse can be opened as "tagsmith -- -reverse"; the words after it are
// `afterDashes`, file-name words all.
struct SplitArguments {
    std::vector<char*> forQt;
    QStringList afterDashes;
};
SplitArguments splitAtDashes(int argc, char** argv);

// The file named by a command line: the first argument trimmed, then each of
// the arguments 2 to 4 that is not empty after one blank (a path with blanks
// arrives whole even unquoted; later arguments are ignored); a relative path
// is taken from `currentFolder`. Empty when no file is named.
QString commandLinePath(const QStringList& arguments, const QString& currentFolder);

}  // namespace cli
