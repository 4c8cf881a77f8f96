// The page checker on the command line: `tagsmith --check [--no-notes]
// PATH...` checks pages, or the HTML files of folders, without a window and
// prints one line per problem in the form compilers use
// (FILE:LINE:COLUMN: error|warning|note: MESSAGE), then a summary.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace cli {

// Whether the command line asks for the check: "--check" first.
bool isCheckCommandLine(int argc, char** argv);
// Runs the check and returns the exit status: 0 when no error was found, 1
// when one was (or a file could not be read), 2 for a command line it cannot
// run (with a usage message on standard error).
int runCheck(int argc, char** argv);

// The files `paths` name: a file as given, a folder's HTML files that the
// side mask lists, recursively, in name order.
QStringList pagesToCheck(const QStringList& paths, const QStringList& sideMaskPatterns);

// Runs job(i) for i in [0, count) on every core the process may use; each
// index once, in no particular order.
void onEveryCore(int count, const std::function<void(int)>& job);

QString checkUsage();
QStringList checkOptions();

}  // namespace cli
