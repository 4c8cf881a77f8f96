// Saves that keep the file itself: its owner and attributes carried over to
// the new file, or the old file written in place behind a copy of its bytes.
#include "storage/InPlaceSave.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <string>

#include "storage/DocumentFile.h"

namespace storage {
namespace {

constexpr size_t kPiece = size_t(1) << 20;

// A value the system hands over in a buffer of the size it first tells (an
// attribute list or value); asked again when it grew in between.
template <typename Get>
std::optional<std::string> readSized(Get get)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0) return std::nullopt;
        std::string out(static_cast<size_t>(size), '\0');
        const ssize_t got = get(out.data(), out.size());
        if (got >= 0) {
            out.resize(static_cast<size_t>(got));
            return out;
        }
        if (errno != ERANGE) return std::nullopt;
    }
    return std::nullopt;
}

// Every extended attribute of `old` given to `fd`: user attributes, ACLs
// (system.posix_acl_*) and security labels alike. A file system without
// attributes has none to give.
bool copyAttributes(const char* old, int fd)
{
    const auto names = readSized([&](char* buffer, size_t size) { return ::listxattr(old, buffer, size); });
    if (!names) return errno == ENOTSUP;
    for (const char* name = names->c_str(); name < names->c_str() + names->size(); name += std::strlen(name) + 1) {
        const auto value = readSized([&](char* buffer, size_t size) { return ::getxattr(old, name, buffer, size); });
        if (!value) return false;
        // A label the system gave the new file alike needs no right to set it.
        if (readSized([&](char* buffer, size_t size) { return ::fgetxattr(fd, name, buffer, size); }) == value)
            continue;
        if (::fsetxattr(fd, name, value->data(), value->size(), 0) != 0) return false;
    }
    return true;
}

// Copies `size` bytes of `from` (from its start) to `to` at its own offset.
bool copyBytes(int from, int to, off_t size)
{
    std::string buffer(std::min<size_t>(kPiece, static_cast<size_t>(std::max<off_t>(size, 1))), '\0');
    for (off_t at = 0; at < size;) {
        const ssize_t got = ::pread(from, buffer.data(), std::min<size_t>(buffer.size(), size - at), at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = EIO;  // the file shrank meanwhile
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t n = ::write(to, buffer.data() + done, static_cast<size_t>(got - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n == 0) errno = ENOSPC;
                return false;
            }
            done += n;
        }
        at += got;
    }
    return true;
}

// Writes `bytes` over the open file from its start, cut to their length and
// synced; 0, or the system's error. Room for a longer text is asked for
// first, so that a full disk is mostly found before a byte changes.
int overwrite(int fd, std::string_view bytes, off_t oldSize)
{
    const auto size = static_cast<off_t>(bytes.size());
    if (size > oldSize && ::fallocate(fd, 0, 0, size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS) return errno;
    for (size_t at = 0; at < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + at, std::min(kPiece, bytes.size() - at), static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : ENOSPC;
        at += static_cast<size_t>(n);
    }
    if (::ftruncate(fd, size) != 0) return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The copy of the old bytes an in-place save keeps until the new ones are
// synced: unnamed while it is written (a save killed then leaves nothing;
// without unnamed files it is named from the start), then named
// "NAME.quillon-old-XXXXXX" beside the file, where the author finds it.
class OldCopy {
public:
    OldCopy(const QByteArray& file, QByteArray folder) : folder_(std::move(folder))
    {
        // The name stays within the system's limit for a file name.
        static constexpr int kSuffix = sizeof ".quillon-old-XXXXXX" - 1;
        base_ = file.mid(file.lastIndexOf('/') + 1).left(NAME_MAX - kSuffix) + ".quillon-old-";
    }
    ~OldCopy()
    {
        if (fd >= 0) ::close(fd);
    }
    OldCopy(const OldCopy&) = delete;
    OldCopy& operator=(const OldCopy&) = delete;

    bool open()
    {
        static const bool canName = ::access("/proc/self/fd", X_OK) == 0;
        fd = canName ? ::open(folder_.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600) : -1;
        if (fd >= 0 || (canName && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd >= 0;
        return create([this](const QByteArray& name) {
            fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            return fd >= 0;
        });
    }
    // Names the whole copy; errno tells why it cannot be.
    bool name()
    {
        if (!name_.isEmpty()) return true;
        const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
        return create([&](const QByteArray& name) {
            return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
        });
    }
    void remove()
    {
        if (!name_.isEmpty()) ::unlink(name_.constData());
        name_.clear();
    }
    const QByteArray& path() const { return name_; }

    int fd = -1;

private:
    template <typename Create>
    bool create(Create make)
    {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = folder_ + '/' + base_;
            for (int i = 0; i < 6; ++i) name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
            if (make(name)) {
                name_ = name;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    QByteArray folder_;
    QByteArray base_;
    QByteArray name_;
};

// Closes a file descriptor at the end of its scope.
struct Closing {
    int fd;
    ~Closing() { ::close(fd); }
};

}  // namespace

bool isFolderRefusal(int errnum)
{
    return errnum == EACCES || errnum == EPERM;
}

QString folderFailure(const QByteArray& folder, int errnum)
{
    return QStringLiteral(
               "No file can be made in the folder \"%1\" (%2), and a save writes the new text to a new file "
               "there before it replaces the old one.")
        .arg(QFile::decodeName(folder), qt_error_string(errnum));
}

bool takeOwnerAndAttributes(int fd, const QByteArray& old, const struct stat& st)
{
    // The owner first: a new owner would clear some attributes again.
    return ::fchown(fd, st.st_uid, st.st_gid) == 0 && copyAttributes(old.constData(), fd);
}

bool writeInPlace(const QByteArray& file, const QByteArray& folder, const struct stat& st, std::string_view bytes,
                  bool link, QString* error, SaveOutcome* outcome)
{
    const auto fail = [&](int errnum) {
        if (error) *error = qt_error_string(errnum);
        return false;
    };
    // Where the copy cannot be made for want of rights, the folder is named.
    const auto failInFolder = [&](int errnum) {
        if (!isFolderRefusal(errnum)) return fail(errnum);
        if (outcome) outcome->folderRefused = true;
        if (error) *error = folderFailure(folder, errnum);
        return false;
    };
    const int fd = ::open(file.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return fail(errno);
    const Closing closing{fd};
    OldCopy copy(file, folder);
    if (!copy.open()) return failInFolder(errno);
    // The copy is as private as the file, and the author's where allowed.
    ::fchmod(copy.fd, st.st_mode & 0777);
    [[maybe_unused]] const bool owned = ::fchown(copy.fd, st.st_uid, st.st_gid) == 0;
    if (!copyBytes(fd, copy.fd, st.st_size) || ::fsync(copy.fd) != 0 || !copy.name()) {
        const int errnum = errno;
        copy.remove();
        return failInFolder(errnum);
    }
    // From here on the old bytes are whole beside the file.
    if (const int errnum = overwrite(fd, bytes, st.st_size); errnum != 0) {
        const bool restored =
            copyBytes(copy.fd, fd, st.st_size) && ::ftruncate(fd, st.st_size) == 0 && ::fsync(fd) == 0;
        fail(errnum);
        if (restored)
            copy.remove();
        else if (error)
            *error += QStringLiteral("\nThe old text is kept in \"%1\".").arg(QFile::decodeName(copy.path()));
        return false;
    }
    if (outcome) outcome->written = identityOfOpenFile(fd, link);
    copy.remove();
    return true;
}

}  // namespace storage
