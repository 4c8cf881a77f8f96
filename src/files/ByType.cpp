#include "ByType.h"

#include <array>

#include "markup/TagCase.h"
#include "storage/FileNames.h"

namespace files {
namespace {

// ".lnk" is ignored when opened, not when dropped.
constexpr std::array<const char*, 12> kIgnored = {".exe", ".bmp", ".com", ".xbm", ".dll", ".sys",
                                                  ".cla", ".dib", ".rtf", ".wri", ".doc", ".lnk"};

}  // namespace

QString ignoredType(const QString& path, Arrival arrival)
{
    const QString lower = markup::toTagCase(storage::FileNamePart(path), true);
    const size_t ignored = arrival == Arrival::Opened ? kIgnored.size() : kIgnored.size() - 1;
    for (size_t i = 0; i < ignored; ++i)
        if (lower.contains(QLatin1String(kIgnored[i]))) return QLatin1String(kIgnored[i]);
    return {};
}

FileKind fileKind(const QString& path, Arrival arrival)
{
    if (!ignoredType(path, arrival).isEmpty()) return FileKind::Ignored;
    // Only the name decides: folders are often named after domains.
    const QString lower = markup::toTagCase(storage::FileNamePart(path), true);
    if (lower.contains(QLatin1String(".gif"))) return FileKind::Gif;
    // ".jpe" also finds ".jpeg".
    if (lower.contains(QLatin1String(".jpg")) || lower.contains(QLatin1String(".jpe"))) return FileKind::Jpeg;
    if (arrival == Arrival::Dropped && lower.contains(QLatin1String(".css"))) return FileKind::StyleSheet;
    return FileKind::Other;
}

Reference referenceTo(FileKind kind, const QString& path, std::string_view selected, const QString& imagePrefix,
                      GifSize gif, bool lower)
{
    // The name keeps its letter case: here a web server tells Logo.GIF from logo.gif.
    const std::string name = storage::FileNamePart(path).toStdString();
    std::string text(selected);
    auto cased = [lower](const char* l, const char* u) { return std::string(markup::byTagCase(lower, l, u)); };
    switch (kind) {
        case FileKind::Gif:
        case FileKind::Jpeg:
            text += cased("<img src=\"", "<IMG SRC=\"") + imagePrefix.toStdString() + name +
                    cased("\" align=\"\"", "\" ALIGN=\"\"");
            if (kind == FileKind::Gif)
                text += cased(" width=\"", " WIDTH=\"") + std::to_string(gif.width) +
                        cased("\" height=\"", "\" HEIGHT=\"") + std::to_string(gif.height) + "\"";
            text += cased(" border=\"0\" alt=\"\">\r\n", " BORDER=\"0\" ALT=\"\">\r\n");
            return {text, 0};
        case FileKind::StyleSheet:
            text += cased("<link rel=stylesheet href=\"", "<LINK REL=STYLESHEET HREF=\"") + name +
                    cased("\" type=\"text/css\">", "\" TYPE=\"text/css\">");
            return {text, 0};
        default: {
            const std::string end = cased("</a>", "</A>");
            return {cased("<a href=\"", "<A HREF=\"") + name + "\">" + std::string(selected) + end,
                    static_cast<int>(end.size())};
        }
    }
}

}  // namespace files
