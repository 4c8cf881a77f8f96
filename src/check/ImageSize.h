// The pixel size of an image file from its header alone (GIF, PNG, JPEG,
// WebP, SVG), never reading the whole file.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace check {

struct ImageSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

// The size the first bytes of an image declare; nullopt when they are no
// image of the kinds above or declare no size (an SVG with a viewBox only).
std::optional<ImageSize> imageSizeOfHeader(std::string_view head);
// The size of the image file at `path`, from at most its first 64 KB.
std::optional<ImageSize> imageSizeOfFile(const QString& path);

}  // namespace check
