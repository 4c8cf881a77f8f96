// The logical screen size of a GIF file, from its header: the width is the
// little-endian 16-bit number at byte 6 and the height the one at byte 8 of
// the first 14 bytes. The signature is not checked.
#pragma once

#include <QString>
#include <optional>

namespace files {

struct GifSize {
    unsigned width = 0;
    unsigned height = 0;
};

// The size from the first bytes of a file; nullopt when fewer than 14.
std::optional<GifSize> gifSizeOf(const char* bytes, qsizetype length);

// Reads at most 14 bytes of `path`. A folder, a pipe, a device or anything
// else that is not a regular file is refused without waiting for it. On
// failure `error` receives the message for the author.
std::optional<GifSize> readGifSize(const QString& path, QString* error);

}  // namespace files
