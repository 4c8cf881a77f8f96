// Helpers of the document file tests (see FileFaults.h).
#include "FileFaults.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/syscall.h>

#include <stdexcept>

namespace faults {

std::string readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void writeBytes(const QString& path, const std::string& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
}

NameTwins::NameTwins(const QString& folder, const char* suffix)
    : latin(QFile::encodeName(folder) + "/caf\xe9" + suffix),
      twin(QFile::encodeName(folder) + "/caf\xef\xbf\xbd" + suffix)
{
    for (const QByteArray& name : {latin, twin}) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || ::write(fd, name.constData(), size_t(name.size())) != name.size())
            throw std::runtime_error("cannot write " + name.toStdString());
        ::close(fd);
    }
}

NameTwins::~NameTwins()
{
    ::unlink(latin.constData());
}

bool NameTwins::untouched() const
{
    for (const QByteArray& name : {latin, twin}) {
        char held[256] = {};
        const int fd = ::open(name.constData(), O_RDONLY);
        const ssize_t n = fd < 0 ? -1 : ::read(fd, held, sizeof held);
        if (fd >= 0) ::close(fd);
        if (n != name.size() || name != QByteArray(held, int(n))) return false;
    }
    return true;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

SmallTmpfs::SmallTmpfs(const QString& folder, int kilobytes, bool readOnly) : folder_(folder)
{
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    const unsigned long flags = MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", flags, options.c_str()) == 0;
}

SmallTmpfs::~SmallTmpfs()
{
    if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

FileSizeLimit::FileSizeLimit(long bytes)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < static_cast<rlim_t>(bytes)) return;
    oldSoft_ = limit.rlim_cur;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (!active_) std::signal(SIGXFSZ, oldHandler_);
}

FileSizeLimit::~FileSizeLimit()
{
    if (!active_) return;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(oldSoft_);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

ObeyFilePermissions::ObeyFilePermissions()
{
    // The raw system calls act on the calling thread only, which is the one
    // that runs the code under test.
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    std::memcpy(saved_, data, sizeof data);
    const unsigned overrides =
        (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER) | (1u << CAP_CHOWN);
    if (!(data[0].effective & overrides)) return;
    data[0].effective &= ~overrides;
    dropped_ = ::syscall(SYS_capset, &header, data) == 0;
}

ObeyFilePermissions::~ObeyFilePermissions()
{
    if (!dropped_) return;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    std::memcpy(data, saved_, sizeof data);
    ::syscall(SYS_capset, &header, data);
}

bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

}  // namespace faults
