// Which file a document was read from or last written to, so that a file
// another program changed or replaced meanwhile is never overwritten without
// a question (see DocumentLifecycle).
#pragma once

#include <QString>
#include <cstdint>

namespace storage {

// What tells one file at a path from another: taken before the file is read
// and by each save from the file it wrote. The status change time is left
// out: a new link or a new mode leaves the text as it was.
struct FileIdentity {
    bool exists = false;  // something is at the path, a dangling link included
    bool link = false;    // the path itself is a symbolic link
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The file at `path` now, through links (lstat for `link`, stat for the rest).
FileIdentity identityOf(const QString& path);
// The file open as `fd`, reached through a link when `link`.
FileIdentity identityOfOpenFile(int fd, bool link);

// Whether the file at the path is no longer the one known: another inode,
// size or modification time, or a link where there was none. False while
// nothing was known, and when nothing is there now: writing then loses
// nothing of anybody's.
bool changedOnDisk(const FileIdentity& known, const FileIdentity& now);

}  // namespace storage
