// The three user-defined tools of the Tools menu (and of the side panel's
// "Open With"), and the help viewer: external programs started in the
// background from a command line split into a program and its arguments, never
// through a shell, so that a file name given to a tool arrives as one argument
// whatever it holds.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QAction;
class QObject;

#include "settings/SettingsTable.h"

namespace files {

// One tool: its menu entry, the setting holding its command line (a program
// path, possibly with arguments of its own) and the one holding its menu name.
struct UserTool {
    const char* entry;  // "ToolsDefTool1"
    const settings::TextSetting& path;
    const settings::TextSetting& name;
};
const std::array<UserTool, 3>& userTools();

// What a tool is called: its name, or without one the file name of its
// program. Empty when no program is set.
QString toolName(const QString& commandLine, const QString& name);
// The caption of tool `number` (1 to 3) in the Tools menu: its toolName; with
// no "&" in it, "&1 " (the tool's number) goes in front so that the entry
// keeps its access key. Empty when no program is set.
QString toolCaption(int number, const QString& commandLine, const QString& name);

// Shows the tools in a menu: the entry of tool `number` (1 to 3, given by
// `entryOf`) takes the caption `captionOf` makes of the tool's settings and is
// enabled; with no program set it stays as it was, disabled.
using ToolCaption = QString (*)(int number, const QString& commandLine, const QString& name);
void showToolEntries(const std::function<QAction*(int number, const UserTool& tool)>& entryOf, ToolCaption captionOf);

// What the author is told when a tool does not start: no program is set, or
// it could not be started. The Tools menu and the side panel's Open With
// word them differently.
struct ToolWarnings {
    QString notSet;
    QString failed;
};
// The command line of `tool`; empty, after the warning, when none is set.
QString toolCommandLine(const UserTool& tool, const ToolWarnings& warnings);
// Starts a tool's command line with `extraArguments` after its own words,
// or gives the warning.
void launchTool(const QString& commandLine, const QStringList& extraArguments, const ToolWarnings& warnings);

// The program and arguments of a command line, split as a shell splits words
// ('...' and "..." group, a backslash escapes, nothing is expanded or run); a
// program path with blanks written without quotes is recognised as the
// longest start of the line that names a program file. `extraArguments` follow.
QStringList commandLineWords(const QString& commandLine, const QStringList& extraArguments = {});

// Starts a command line in the background with `extraArguments` after its own;
// false when it names no program or the program cannot be started.
bool startCommandLine(const QString& commandLine, const QStringList& extraArguments = {});

// The manual, quillon.html in the program's folder (`ProgramFolder`: empty, so
// the current folder, when the program has another name) or, for an installed
// program, in its data folder (`settings::installedDataFolderOf`); and the
// program that shows it.
QString helpFilePath(const QString& programFolder);
inline constexpr const char* kHelpViewer = "xdg-open";
// Starts the desktop's viewer on the manual. When the manual is missing, the
// viewer cannot be started or it ends in failure (no browser, a browser that
// refuses to start), `failed` is given a sentence saying so with the manual's
// path, so that the author can open it by hand; for a viewer that ends later,
// only while `context` exists. A viewer still running when the editor closes
// is left running.
void showHelp(QObject* context, const std::function<void(const QString&)>& failed);

}  // namespace files
