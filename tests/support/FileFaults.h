// File faults for tests: raw file access that bypasses the code
// under test, and the conditions a save must survive (a full filesystem, a
// file size limit, a user without the right to override file permissions).
#pragma once

namespace faults {

std::string readBytes(const QString& path);
// Writes the file, making its folder first when missing.
void writeBytes(const QString& path, const std::string& bytes);
// Every entry of a folder, hidden ones included, sorted.
QStringList entries(const QString& folder);

// A small tmpfs mounted on `folder` for the lifetime of the object, empty and
// read-only when asked; mounted() is false where mounting is not allowed.
class SmallTmpfs {
public:
    SmallTmpfs(const QString& folder, int kilobytes, bool readOnly = false);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;
    bool mounted() const { return mounted_; }

private:
    QString folder_;
    bool mounted_ = false;
};

// Limits the size of files this process writes (RLIMIT_FSIZE) with SIGXFSZ
// ignored, so that a write past the limit comes back short, then fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    bool active_ = false;
    unsigned long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

// Makes the calling thread obey file permissions even when running as root,
// by dropping the capabilities that override them from its effective set
// (they stay permitted and come back at the end). Nor can it give a file to
// another owner.
class ObeyFilePermissions {
public:
    ObeyFilePermissions();
    ~ObeyFilePermissions();
    ObeyFilePermissions(const ObeyFilePermissions&) = delete;
    ObeyFilePermissions& operator=(const ObeyFilePermissions&) = delete;

private:
    bool dropped_ = false;
    unsigned saved_[6] = {};
};

// A file whose name is not UTF-8, "caf\xe9" + suffix, and its twin
// "caf\xef\xbf\xbd" + suffix, the name Qt decodes the first one to, in
// `folder`; each holds its own name. Qt cannot name the first: it goes with
// the object.
class NameTwins {
public:
    NameTwins(const QString& folder, const char* suffix = ".html");
    ~NameTwins();
    NameTwins(const NameTwins&) = delete;
    NameTwins& operator=(const NameTwins&) = delete;
    // The name Qt gives the first (and the second).
    QString decoded() const { return QFile::decodeName(latin); }
    // Whether both still hold their own names.
    bool untouched() const;

    const QByteArray latin, twin;
};

// Sets or clears the immutable attribute; false where the filesystem or the
// user cannot.
bool setImmutable(const QString& path, bool on);

}  // namespace faults
