// The side panel's file operations: a new folder, renaming a file in its
// folder and deleting a file. Each refuses what could destroy something the
// author did not name: a name holding "/" or naming "." or "..", an existing
// file or folder in the way (never replaced), anything but a regular file or a
// symbolic link to delete (a link goes itself, never its target). They report
// nothing: the caller refreshes its lists, which then show what is really there.
#pragma once

#include <QString>

namespace files {

// A name that stays inside its folder: not empty, no "/" or NUL, not "." or "..".
bool isPlainName(const QString& name);

// Creates the folder `name` inside `folder`; false when refused or failed.
bool createFolder(const QString& folder, const QString& name);
// Renames the file at `path` to `newName` in the same folder; false when the
// name is refused, `path` does not exist, something already has the new name
// or the system refused.
bool renameFile(const QString& path, const QString& newName);
// Deletes the regular file or the symbolic link itself at `path` at once (no
// wastebasket; a link's target stays as it is); false for a missing file, a
// folder, a pipe or anything else, or a refusal.
bool deleteFile(const QString& path);

}  // namespace files
