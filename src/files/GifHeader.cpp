#include "GifHeader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "storage/DocumentFile.h"

namespace files {
namespace {

constexpr qsizetype kHeaderLength = 14;

unsigned littleEndian16(const char* p)
{
    return static_cast<unsigned char>(p[0]) | static_cast<unsigned>(static_cast<unsigned char>(p[1])) << 8;
}

}  // namespace

std::optional<GifSize> gifSizeOf(const char* bytes, qsizetype length)
{
    if (length < kHeaderLength) return std::nullopt;
    return GifSize{littleEndian16(bytes + 6), littleEndian16(bytes + 8)};
}

std::optional<GifSize> readGifSize(const QString& path, QString* error)
{
    auto fail = [&](const QString& reason) -> std::optional<GifSize> {
        if (error) *error = storage::openFailure(path, reason);
        return std::nullopt;
    };
    // O_NONBLOCK: opening a pipe with no writer would otherwise wait for one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0) return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(st.st_mode)) return fail(QStringLiteral("It is not a regular file."));
    char header[kHeaderLength];
    qsizetype got = 0;
    while (got < kHeaderLength) {
        const ssize_t n = ::read(fd, header + got, static_cast<size_t>(kHeaderLength - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(QString::fromLocal8Bit(std::strerror(errno)));
        if (n == 0) break;
        got += n;
    }
    if (const auto size = gifSizeOf(header, got)) return size;
    return fail(QStringLiteral("The file is too short for a GIF header (%1 of 14 bytes).").arg(got));
}

}  // namespace files
