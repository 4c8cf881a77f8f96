#include "DocumentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace app {
namespace {

bool isValidUtf8(std::string_view s)
{
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) { ++i; continue; }
        int extra;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= n + 0 && i + extra > n - 1) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        // No overlong forms, surrogates or values past U+10FFFF.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1
// control of the same value, so they come back unchanged.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out += ch;
        else if (c < 0xA0) appendUtf8(out, kCp1252High[c - 0x80]);
        else appendUtf8(out, c);
    }
    return out;
}

std::string utf8ToCp1252(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) { out += s[i++]; continue; }
        char32_t cp = 0;
        int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (len == 1 || i + len > s.size()) { out += '?'; ++i; continue; }
        cp = c & (0x7F >> len);
        for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        char byte = '?';
        if (cp >= 0xA0 && cp <= 0xFF) byte = static_cast<char>(cp);
        else
            for (int k = 0; k < 32; ++k)
                if (kCp1252High[k] == cp) byte = static_cast<char>(0x80 + k);
        out += byte;
    }
    return out;
}

}  // namespace

LoadedDocument decodeDocument(std::string_view bytes)
{
    LoadedDocument doc;
    const bool utf8 = isValidUtf8(bytes);
    doc.format.encoding = utf8 ? Encoding::Utf8 : Encoding::Windows1252;
    std::string text = utf8 ? std::string(bytes) : cp1252ToUtf8(bytes);
    // A file with LF line breaks and no CR at all is held with CR LF and
    // written back with LF; any other file is held exactly as it is.
    const bool hasLf = text.find('\n') != std::string::npos;
    if (hasLf && text.find('\r') == std::string::npos) {
        doc.format.lineBreaks = LineBreaks::Lf;
        std::string crlf;
        crlf.reserve(text.size() + text.size() / 16);
        for (char c : text) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        text.swap(crlf);
    }
    doc.text = std::move(text);
    return doc;
}

std::string encodeDocument(std::string_view text, const DocumentFormat& format)
{
    std::string out;
    if (format.lineBreaks == LineBreaks::Lf) {
        out.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    } else {
        out.assign(text);
    }
    return format.encoding == Encoding::Windows1252 ? utf8ToCp1252(out) : out;
}

bool loadDocumentFile(const QString& path, LoadedDocument* out, QString* error)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        if (error) *error = QStringLiteral("%1 is a folder.").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = file.errorString();
        return false;
    }
    *out = decodeDocument(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    return true;
}

bool saveDocumentFile(const QString& path, std::string_view text, const DocumentFormat& format, QString* error)
{
    const std::string bytes = encodeDocument(text, format);
    // Through the link to its target, so the link stays a link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    // QSaveFile reports a short write on a full disk as success: check each
    // write and the flush ourselves.
    const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()) || !file.flush()) {
        if (error) *error = file.errorString().isEmpty() || file.error() == QFileDevice::NoError
                                ? QStringLiteral("No space left on device")
                                : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace app
