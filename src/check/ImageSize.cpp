// Image sizes from headers: the fixed fields of GIF, PNG and WebP, the frame
// header of JPEG, the width and height of SVG's root element.
#include "check/ImageSize.h"

#include <QFile>
#include <charconv>

#include "check/TagScan.h"

namespace check {
namespace {

constexpr qint64 kHeadBytes = 64 * 1024;

unsigned byteAt(std::string_view s, size_t i)
{
    return static_cast<unsigned char>(s[i]);
}
unsigned le16(std::string_view s, size_t i)
{
    return byteAt(s, i) | byteAt(s, i + 1) << 8;
}
unsigned be16(std::string_view s, size_t i)
{
    return byteAt(s, i) << 8 | byteAt(s, i + 1);
}
unsigned le24(std::string_view s, size_t i)
{
    return le16(s, i) | byteAt(s, i + 2) << 16;
}
unsigned be32(std::string_view s, size_t i)
{
    return be16(s, i) << 16 | be16(s, i + 2);
}

std::optional<ImageSize> sized(unsigned width, unsigned height)
{
    if (width > 1u << 30 || height > 1u << 30) return std::nullopt;
    return ImageSize{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<ImageSize> jpegSize(std::string_view s)
{
    size_t p = 2;
    while (p + 9 <= s.size()) {
        if (byteAt(s, p) != 0xFF) return std::nullopt;
        const unsigned marker = byteAt(s, p + 1);
        if (marker == 0xFF) {  // fill byte
            ++p;
            continue;
        }
        // SOF0..SOF15 carry the size, except DHT (C4), JPG (C8) and DAC (CC).
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return sized(be16(s, p + 7), be16(s, p + 5));
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            p += 2;
            continue;
        }
        p += 2 + be16(s, p + 2);
    }
    return std::nullopt;
}

std::optional<ImageSize> webpSize(std::string_view s)
{
    const std::string_view chunk = s.substr(12, 4);
    if (chunk == "VP8 " && s.size() >= 30) return sized(le16(s, 26) & 0x3FFF, le16(s, 28) & 0x3FFF);
    if (chunk == "VP8L" && s.size() >= 25) {
        const unsigned bits = le16(s, 21) | le16(s, 23) << 16;
        return sized((bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1);
    }
    if (chunk == "VP8X" && s.size() >= 30) return sized(le24(s, 24) + 1, le24(s, 27) + 1);
    return std::nullopt;
}

// A length in CSS pixels: a number with "px" or nothing after it.
std::optional<int> svgLength(const Attribute* a)
{
    if (!a) return std::nullopt;
    std::string_view v = a->value;
    if (v.ends_with("px")) v.remove_suffix(2);
    double number = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), number);
    if (error != std::errc() || end != v.data() + v.size() || number < 0 || number > 1e9) return std::nullopt;
    return static_cast<int>(number + 0.5);
}

std::optional<ImageSize> svgSize(std::string_view s)
{
    std::optional<ImageSize> size;
    scanTags(s, [&](const Tag& tag) {
        if (tag.isEnd || tag.name != "svg") return true;
        const auto w = svgLength(tag.find("width")), h = svgLength(tag.find("height"));
        if (w && h) size = ImageSize{*w, *h};
        return false;
    });
    return size;
}

}  // namespace

std::optional<ImageSize> imageSizeOfHeader(std::string_view s)
{
    if (s.size() >= 10 && (s.starts_with("GIF87a") || s.starts_with("GIF89a"))) return sized(le16(s, 6), le16(s, 8));
    if (s.size() >= 24 && s.starts_with("\x89PNG\r\n\x1a\n") && s.substr(12, 4) == "IHDR")
        return sized(be32(s, 16), be32(s, 20));
    if (s.size() >= 4 && s.starts_with("\xFF\xD8\xFF")) return jpegSize(s);
    if (s.size() >= 16 && s.starts_with("RIFF") && s.substr(8, 4) == "WEBP") return webpSize(s);
    if (s.find("<svg") != std::string_view::npos) return svgSize(s);
    return std::nullopt;
}

std::optional<ImageSize> imageSizeOfFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(kHeadBytes);
    return imageSizeOfHeader(std::string_view(head.constData(), static_cast<size_t>(head.size())));
}

}  // namespace check
