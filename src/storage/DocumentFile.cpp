// Document files: encoding and line-break detection, the byte-exact conversions
// between a file and the editor's text, and loading and saving with the
// system's error texts.
#include "storage/DocumentFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#include "markup/Text.h"
#include "storage/DeclaredCharset.h"
#include "storage/FileNames.h"
#include "storage/InPlaceSave.h"
#include "storage/Instances.h"
#include "storage/WideUnicode.h"
#include "storage/Windows1252.h"

namespace storage {
namespace {

using markup::appendUtf8;
using markup::asciiRun;
using markup::decodeUtf8;
using markup::isValidUtf8;

// Appends bytes as they are.
void appendPlain(std::string& out, std::string_view s)
{
    out.append(s);
}

// ---------------------------------------------------------------- line breaks

// A file is LF-style when it has an LF and no CR LF pair; lone CRs may occur.
// `lfCount` receives the number of LFs (for an LF-style file).
bool isLfStyle(std::string_view s, size_t& lfCount)
{
    lfCount = 0;
    for (size_t i = s.find('\n'); i != std::string_view::npos; i = s.find('\n', i + 1)) {
        if (i > 0 && s[i - 1] == '\r') return false;
        ++lfCount;
    }
    return lfCount > 0;
}

// Appends s with every LF written as CR LF, the pieces between through
// `append`. Line breaks are ASCII in both encodings and never inside a
// character, so the pieces can be converted on their own.
template <typename Append>
void appendLfAsCrLf(std::string& out, std::string_view s, Append append)
{
    size_t from = 0;
    for (size_t i = s.find('\n'); i != std::string_view::npos; i = s.find('\n', from)) {
        append(out, s.substr(from, i - from));
        out += "\r\n";
        from = i + 1;
    }
    append(out, s.substr(from));
}

// Appends s with every CR LF written as LF (a lone CR stays), the pieces
// through `append`; stops at the first piece that `append` refuses.
template <typename Append>
std::optional<Unencodable> appendCrLfAsLf(std::string& out, std::string_view s, Append append)
{
    size_t from = 0;
    for (size_t i = s.find('\r'); i != std::string_view::npos; i = s.find('\r', i + 1)) {
        if (i + 1 < s.size() && s[i + 1] == '\n') {
            if (auto bad = append(out, s.substr(from, i - from))) return bad;
            from = i + 1;  // the LF stays
        }
    }
    return append(out, s.substr(from));
}

// 1-based line of a byte offset; CR LF, LF and a lone CR each end a line.
int lineOfOffset(std::string_view s, size_t offset)
{
    int line = 1;
    for (size_t i = 0; i < offset && i < s.size(); ++i) {
        if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n'))) ++line;
    }
    return line;
}

// ---------------------------------------------------------------- both ways

// The format a file is read in: the encoding it declares when that can be
// followed, else the guess (UTF-8 when the bytes are, else Windows-1252). A
// Named result is still to be checked against the bytes (readNamed).
DocumentFormat chooseFormat(std::string_view head, bool validUtf8, bool lf)
{
    DocumentFormat f;
    f.lineBreaks = lf ? LineBreaks::Lf : LineBreaks::CrLf;
    f.encoding = validUtf8 ? Encoding::Utf8 : Encoding::Windows1252;
    // A byte-order mark says more than any declaration.
    if (head.starts_with("\xEF\xBB\xBF")) return f;
    if (const auto wide = markedEncoding(head)) {
        f.encoding = *wide;
        return f;
    }
    f.declaredName = findDeclaredCharset(head);
    if (f.declaredName.empty()) return f;
    f.declared = Declared::Followed;
    switch (kindOfCharset(f.declaredName)) {
        case CharsetKind::Utf8:
            if (!validUtf8) f.declared = Declared::NotUtf8;
            break;
        case CharsetKind::Windows1252:
            f.encoding = Encoding::Windows1252;
            break;
        case CharsetKind::Other:
            if (codecAvailable(f.declaredName)) {
                f.encoding = Encoding::Named;
                f.charset = f.declaredName;
            } else {
                f.declared = Declared::Unknown;
            }
            break;
    }
    return f;
}

// Holds text converted to UTF-8 as the editor does: an LF text with CR LF.
void holdConverted(std::string&& text, LoadedDocument& doc)
{
    size_t lfCount = 0;
    const bool lf = isLfStyle(text, lfCount);
    doc.format.lineBreaks = lf ? LineBreaks::Lf : LineBreaks::CrLf;
    if (lf) {
        doc.text.reserve(text.size() + lfCount);
        appendLfAsCrLf(doc.text, text, appendPlain);
    } else {
        doc.text = std::move(text);
    }
}

// Reads the bytes in the Named encoding of `doc`; one whose bytes do not come
// back exactly is read as guessed instead. False then.
bool readNamed(std::string_view bytes, LoadedDocument& doc)
{
    std::optional<std::string> text = decodeNamed(bytes, doc.format.charset);
    if (!text) {
        doc.format.encoding = isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
        doc.format.charset.clear();
        doc.format.declared = Declared::NotInIt;
        return false;
    }
    holdConverted(std::move(*text), doc);
    return true;
}

// Reads the bytes in the UTF-16 or UTF-32 form their mark names; bytes that
// are not valid in it are refused, saying where. Bytes marked FF FE 00 00
// that are not UTF-32LE may be UTF-16LE beginning with a NUL.
void readWide(std::string_view bytes, LoadedDocument& doc)
{
    std::string text;
    auto fault = appendWideAsUtf8(text, bytes, doc.format.encoding);
    if (fault && doc.format.encoding == Encoding::Utf32Le) {
        std::string utf16;
        const auto fault16 = appendWideAsUtf8(utf16, bytes, Encoding::Utf16Le);
        if (!fault16 || fault16->offset > fault->offset) {
            doc.format.encoding = Encoding::Utf16Le;
            text = std::move(utf16);
            fault = fault16;
        }
    }
    if (fault) {
        doc.refused =
            QStringLiteral(
                "This file begins with the byte-order mark of %1 but is not valid %1 (%2 at offset %3): "
                "it cannot be read without changing its bytes.")
                .arg(encodingName(doc.format), QString::fromLatin1(fault->what), QString::number(fault->offset));
        return;
    }
    holdConverted(std::move(text), doc);
}

// Decodes file bytes in one pass into a fresh buffer, or none at all: a UTF-8
// file that needs no conversion takes over `owned` (the bytes themselves) when
// it is given.
LoadedDocument decode(std::string_view bytes, std::string* owned)
{
    LoadedDocument doc;
    // An LF file is held with CR LF (the editor's line break) and written back
    // with LF; every other file is held exactly as it is.
    size_t lfCount = 0;
    const bool lf = isLfStyle(bytes, lfCount);
    doc.format = chooseFormat(bytes, isValidUtf8(bytes), lf);
    if (doc.format.encoding == Encoding::Named && readNamed(bytes, doc)) return doc;
    if (isWide(doc.format.encoding)) {
        readWide(bytes, doc);
        return doc;
    }
    if (doc.format.encoding == Encoding::Windows1252) {
        doc.text.reserve(bytes.size() + bytes.size() / 4 + lfCount);
        if (lf)
            appendLfAsCrLf(doc.text, bytes, appendCp1252AsUtf8);
        else
            appendCp1252AsUtf8(doc.text, bytes);
    } else if (lf) {
        doc.text.reserve(bytes.size() + lfCount);
        appendLfAsCrLf(doc.text, bytes, appendPlain);
    } else if (owned) {
        doc.text = std::move(*owned);
    } else {
        doc.text.assign(bytes);
    }
    return doc;
}

std::optional<Unencodable> encode(std::string_view text, const DocumentFormat& format, std::string& out, bool stop)
{
    out.clear();
    out.reserve(text.size());
    std::optional<Unencodable> bad;
    if (format.encoding == Encoding::Named) {
        if (stop) {
            if (const auto unstorable = firstUnstorable(text, format.charset))
                bad = Unencodable{unstorable->offset, unstorable->codePoint, 1};
        }
        if (!bad) {
            std::string lf;
            if (format.lineBreaks == LineBreaks::Lf)
                appendCrLfAsLf(lf, text, [](std::string& o, std::string_view piece) {
                    o.append(piece);
                    return std::optional<Unencodable>();
                });
            out = encodeNamed(format.lineBreaks == LineBreaks::Lf ? std::string_view(lf) : text, format.charset);
        }
    } else if (format.encoding == Encoding::Windows1252) {
        const auto transcode = [&](std::string& o, std::string_view piece) {
            return appendUtf8AsCp1252(o, piece, text.data(), stop);
        };
        bad = format.lineBreaks == LineBreaks::Lf ? appendCrLfAsLf(out, text, transcode) : transcode(out, text);
    } else if (isWide(format.encoding)) {
        // A unit has as many bytes as the mark: at most that many per byte.
        const std::string_view mark = markOf(format.encoding);
        out.reserve((text.size() + 1) * mark.size());
        out.append(mark);
        const auto transcode = [&](std::string& o, std::string_view piece) {
            return appendUtf8AsWide(o, piece, format.encoding, text.data(), stop);
        };
        bad = format.lineBreaks == LineBreaks::Lf ? appendCrLfAsLf(out, text, transcode) : transcode(out, text);
    } else if (format.lineBreaks == LineBreaks::Lf) {
        appendCrLfAsLf(out, text, [](std::string& o, std::string_view piece) {
            o.append(piece);
            return std::optional<Unencodable>();
        });
    } else {
        out.assign(text);
    }
    if (bad) bad->line = lineOfOffset(text, bad->offset);
    return bad;
}

// ---------------------------------------------------------------- files

QString systemError(int errnum)
{
    return qt_error_string(errnum);
}

// The temporary file of a save is named ".quillon-save-PID-XXXXXX" beside the
// file it replaces, so that a later save can tell what a killed save left
// (its process is gone) from a save in progress in another instance.
constexpr char kTemporaryPrefix[] = ".quillon-save-";

QByteArray temporaryName(const QByteArray& folder)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = folder + '/' + kTemporaryPrefix + QByteArray::number(::getpid()) + '-';
    for (int i = 0; i < 6; ++i) name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    return name;
}

// The file a save writes before it takes the place of the old one. Where the
// file system allows it, an unnamed file in the folder (O_TMPFILE): a process
// killed before the file is named leaves nothing behind. Else, and for the
// instant between naming it and renaming it over the old file, a named one,
// which is removed on any failure (and by a later save when the process was
// killed, see removeStaleTemporaries).
class TemporaryFile {
public:
    explicit TemporaryFile(QByteArray folder) : folder_(std::move(folder)) {}
    ~TemporaryFile()
    {
        if (fd >= 0) ::close(fd);
        if (!name_.isEmpty()) ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool open(mode_t mode)
    {
        // An unnamed file is named through /proc; without it, a named one.
        static const bool canName = ::access("/proc/self/fd", X_OK) == 0;
        fd = canName ? ::open(folder_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode) : -1;
        if (fd >= 0 || (canName && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd >= 0;
        return createNamed([this, mode](const QByteArray& name) {
            fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            return fd >= 0;
        });
    }

    // Puts the written file in the place of `target` in one step; errno tells
    // why when it cannot.
    bool replace(const QByteArray& target, bool exists)
    {
        if (name_.isEmpty()) {
            const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
            const auto link = [&](const QByteArray& name) {
                return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
            };
            // A new file is simply named; an existing one cannot be linked over.
            if (!exists && link(target)) return true;
            if (!createNamed(link)) return false;
        }
        if (::rename(name_.constData(), target.constData()) != 0) return false;
        name_.clear();
        return true;
    }

    int fd = -1;

private:
    template <typename Create>
    bool createNamed(Create create)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = temporaryName(folder_);
            if (create(name)) {
                name_ = name;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    QByteArray folder_;
    QByteArray name_;  // empty while unnamed or once renamed
};

QString unencodableReason(const Unencodable& bad, const DocumentFormat& format)
{
    return QStringLiteral(
               "This file is in the %4 encoding, which has no code for the character %1 on line %2. "
               "Remove the character or write it as &#%3;.")
        .arg(describeCharacter(bad.codePoint), QString::number(bad.line),
             QString::number(static_cast<uint>(bad.codePoint)), encodingName(format));
}

}  // namespace

QString openFailure(const QString& path, const QString& reason)
{
    // One pass of arg(): a path holding "%2" stays as it is.
    return QStringLiteral("Cannot open \"%1\".\n%2").arg(path, reason);
}

QString saveFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot save \"%1\".\n%2").arg(path, reason);
}

QString describeCharacter(char32_t codePoint)
{
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(QString::fromUcs4(&codePoint, 1),
             QStringLiteral("%1").arg(static_cast<uint>(codePoint), 4, 16, QLatin1Char('0')).toUpper());
}

QString encodingName(const DocumentFormat& format)
{
    switch (format.encoding) {
        case Encoding::Utf8:
            return QStringLiteral("UTF-8");
        case Encoding::Windows1252:
            return QStringLiteral("Windows-1252");
        case Encoding::Utf16Le:
            return QStringLiteral("UTF-16LE");
        case Encoding::Utf16Be:
            return QStringLiteral("UTF-16BE");
        case Encoding::Utf32Le:
            return QStringLiteral("UTF-32LE");
        case Encoding::Utf32Be:
            return QStringLiteral("UTF-32BE");
        case Encoding::Named:
            break;
    }
    return QString::fromStdString(format.charset);
}

QString declarationNotice(const DocumentFormat& format)
{
    const QString name = QString::fromStdString(format.declaredName);
    switch (format.declared) {
        case Declared::None:
        case Declared::Followed:
            return {};
        case Declared::NotUtf8:
            return QStringLiteral("The page declares UTF-8 but is not valid UTF-8: read as %1.")
                .arg(encodingName(format));
        case Declared::Unknown:
            return QStringLiteral("The page declares the encoding \"%1\", which cannot be read here: read as %2.")
                .arg(name, encodingName(format));
        case Declared::NotInIt:
            return QStringLiteral("The page declares the encoding \"%1\", but its bytes are not in it: read as %2.")
                .arg(name, encodingName(format));
    }
    return {};
}

std::optional<Unencodable> firstUnencodable(std::string_view text, const DocumentFormat& format)
{
    if (format.encoding == Encoding::Utf8) return std::nullopt;
    // UTF-16 and UTF-32 store every character: only bytes that are none.
    if (isWide(format.encoding) && isValidUtf8(text)) return std::nullopt;
    std::string scratch;
    DocumentFormat asHeld = format;
    asHeld.lineBreaks = LineBreaks::CrLf;
    return encode(text, asHeld, scratch, true);
}

std::optional<Unencodable> firstUnencodable(std::string_view text, Encoding encoding)
{
    DocumentFormat format;
    format.encoding = encoding;
    return firstUnencodable(text, format);
}

LoadedDocument decodeDocument(std::string_view bytes)
{
    return decode(bytes, nullptr);
}

std::string encodeDocument(std::string_view text, const DocumentFormat& format)
{
    std::string out;
    encode(text, format, out, false);
    return out;
}

namespace {

// A size limit as messages name it: "2147483647 bytes (2 GiB)".
QString limitText(size_t bytes)
{
    QString text = QStringLiteral("%1 bytes").arg(bytes);
    if (bytes >= 1024)
        text += QStringLiteral(" (%1)").arg(
            QLocale::c().formattedDataSize(static_cast<qint64>(bytes), 0, QLocale::DataSizeIecFormat));
    return text;
}

// Why a text longer than the control holds is refused.
QString textTooLarge(size_t capacity)
{
    return QStringLiteral(
               "As the editor holds it (UTF-8, CR LF line breaks), the text of this file would have more than %1, "
               "the most the editor can hold.")
        .arg(limitText(capacity));
}

// A plain file, through links, as the open sees it (see isPlainFile).
bool statPlainFile(const QString& path, struct stat& st, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    // A name that is not UTF-8 would reach another file, or none: missing.
    if (!namesItsFileExactly(path)) return fail(systemError(ENOENT));
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return fail(systemError(errno));
    if (S_ISDIR(st.st_mode)) return fail(systemError(EISDIR));
    if (!S_ISREG(st.st_mode)) return fail(QStringLiteral("not a plain file"));
    return true;
}

// Opens a document file for reading: through links, as the open does; only
// plain files, and none larger than the control holds.
bool openDocumentFile(const QString& path, QFile& file, struct stat& st, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    if (!statPlainFile(path, st, error)) return false;
    // Refused before a byte is read: the control could not hold it.
    if (static_cast<unsigned long long>(st.st_size) > kMaxDocumentBytes)
        return fail(QStringLiteral("This file has %1 bytes, more than %2, the most the editor can hold.")
                        .arg(st.st_size)
                        .arg(limitText(kMaxDocumentBytes)));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return fail(file.errorString());
    return true;
}

// The bytes at the end of `s` that begin a UTF-8 character they do not finish
// (at most three): they are checked with the bytes that follow.
size_t unfinishedTail(std::string_view s)
{
    for (size_t k = 1; k <= 3 && k <= s.size(); ++k) {
        const auto c = static_cast<unsigned char>(s[s.size() - k]);
        if (markup::isContinuationByte(c)) continue;
        const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > k ? k : 0;
    }
    return 0;
}

// What the first reading learns of a file.
struct Survey {
    bool utf8 = true;
    size_t lfCount = 0;
    bool crLf = false;
    size_t bytes = 0;
};

}  // namespace

bool isPlainFile(const QString& path, QString* error)
{
    struct stat st {};
    return statPlainFile(path, st, error);
}

void removeStaleTemporaries(const QByteArray& folder)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    constexpr size_t prefix = sizeof kTemporaryPrefix - 1;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, kTemporaryPrefix, prefix) != 0) continue;
        char* end = nullptr;
        const long long pid = std::strtoll(name + prefix, &end, 10);
        if (end == name + prefix || *end != '-' || isProcessAlive(pid)) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(::dirfd(dir), name, 0);
    }
    ::closedir(dir);
}

bool readFileBytes(const QString& path, std::string* out, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    QFile file;
    struct stat st {};
    if (!openDocumentFile(path, file, st, error)) return false;
    try {
        // One byte of room past the expected size, so that the end of the file
        // is seen without growing the buffer; a file that grows meanwhile is
        // read whole.
        std::string bytes(static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1, '\0');
        size_t got = 0;
        for (;;) {
            if (got == bytes.size()) bytes.resize(bytes.size() + (bytes.size() >> 1) + 65536);
            const qint64 n = file.read(bytes.data() + got, static_cast<qint64>(bytes.size() - got));
            if (n < 0) return fail(file.errorString());
            if (n == 0) break;
            got += static_cast<size_t>(n);
        }
        bytes.resize(got);
        *out = std::move(bytes);
    } catch (const std::bad_alloc&) {
        return fail(systemError(ENOMEM));
    }
    return true;
}

bool loadDocumentFile(const QString& path, LoadedDocument* out, QString* error)
{
    std::string bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    try {
        LoadedDocument doc = decode(bytes, &bytes);
        if (!doc.refused.isEmpty()) {
            if (error) *error = doc.refused;
            return false;
        }
        *out = std::move(doc);
    } catch (const std::bad_alloc&) {
        if (error) *error = systemError(ENOMEM);
        return false;
    }
    return true;
}

bool readDocumentFile(const QString& path, DocumentFormat* format, TextSink& sink, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    QFile file;
    struct stat before {};
    if (!openDocumentFile(path, file, before, error)) return false;
    try {
        // Room for an unfinished character before each piece.
        constexpr size_t kCarry = 4;
        std::string buffer(kReadPiece + kCarry, '\0');
        char* const piece = buffer.data() + kCarry;
        const auto read = [&](qint64& n) {
            n = file.read(piece, static_cast<qint64>(kReadPiece));
            return n >= 0;
        };

        // First: the encoding (the bytes as UTF-8, a character split between
        // two pieces checked whole) and the line breaks, as decode() decides.
        Survey survey;
        size_t carried = 0;
        char last = 0;
        std::string head;  // where the page may declare its encoding
        for (qint64 n = 0;;) {
            if (!read(n)) return fail(file.errorString());
            if (n == 0) break;
            const std::string_view got(piece, static_cast<size_t>(n));
            survey.bytes += got.size();
            if (head.size() < kDeclarationWindow) head.append(got.substr(0, kDeclarationWindow - head.size()));
            for (size_t i = got.find('\n'); i != std::string_view::npos; i = got.find('\n', i + 1)) {
                if ((i > 0 ? got[i - 1] : last) == '\r') survey.crLf = true;
                ++survey.lfCount;
            }
            last = got.back();
            if (survey.utf8) {
                const std::string_view checked(piece - carried, carried + got.size());
                const size_t tail = unfinishedTail(checked);
                survey.utf8 = markup::isValidUtf8(checked.substr(0, checked.size() - tail));
                carried = tail;
                std::memmove(piece - carried, checked.data() + checked.size() - tail, tail);
            }
        }
        survey.utf8 = survey.utf8 && carried == 0;
        const bool lf = survey.lfCount > 0 && !survey.crLf;
        const DocumentFormat found = chooseFormat(head, survey.utf8, lf);
        const bool cp1252 = found.encoding == Encoding::Windows1252;
        // The codecs, UTF-16 and UTF-32 convert a file whole.
        const auto readWhole = [&] {
            LoadedDocument doc;
            if (!loadDocumentFile(path, &doc, error)) return false;
            if (doc.text.size() > sink.capacity()) return fail(textTooLarge(sink.capacity()));
            sink.begin(doc.text.size());
            sink.append(doc.text);
            *format = doc.format;
            return true;
        };
        if (found.encoding == Encoding::Named || isWide(found.encoding)) return readWhole();
        // What the text grows to: exactly this in UTF-8, more in Windows-1252.
        const size_t expected = survey.bytes + (lf ? survey.lfCount : 0);
        if (expected > sink.capacity()) return fail(textTooLarge(sink.capacity()));

        // Then the conversion, piece by piece: every conversion works on
        // single bytes (line breaks, Windows-1252) or copies them as they are.
        if (!file.seek(0)) return fail(file.errorString());
        sink.begin(expected);
        std::string converted;
        size_t again = 0, held = 0;
        for (qint64 n = 0;;) {
            if (!read(n)) return fail(file.errorString());
            if (n == 0) break;
            const std::string_view got(piece, static_cast<size_t>(n));
            again += got.size();
            std::string_view text = got;
            if (found != DocumentFormat{}) {
                converted.clear();
                if (cp1252 && lf)
                    appendLfAsCrLf(converted, got, appendCp1252AsUtf8);
                else if (cp1252)
                    appendCp1252AsUtf8(converted, got);
                else
                    appendLfAsCrLf(converted, got, appendPlain);
                text = converted;
            }
            // Windows-1252 grows as it is converted, and a file may grow
            // while it is read.
            held += text.size();
            if (held > sink.capacity()) return fail(textTooLarge(sink.capacity()));
            sink.append(text);
        }

        // A file written meanwhile may not be what the first reading found:
        // then it is read whole, as it is now.
        struct stat after {};
        const bool same = ::fstat(file.handle(), &after) == 0 && again == survey.bytes &&
                          after.st_size == before.st_size && after.st_mtim.tv_sec == before.st_mtim.tv_sec &&
                          after.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
        if (!same) return readWhole();
        *format = found;
    } catch (const std::bad_alloc&) {
        return fail(systemError(ENOMEM));
    }
    return true;
}

bool saveDocumentFile(const QString& path, std::string_view text, const DocumentFormat& format, QString* error,
                      SaveOutcome* outcome)
{
    // A new or CR LF UTF-8 document is written as the editor holds it.
    std::string converted;
    std::string_view bytes = text;
    if (format != DocumentFormat{}) {
        try {
            if (const auto bad = encode(text, format, converted, true)) {
                if (error) *error = unencodableReason(*bad, format);
                return false;
            }
        } catch (const std::bad_alloc&) {
            if (error) *error = systemError(ENOMEM);
            return false;
        }
        bytes = converted;
    }
    return writeFileSafely(path, bytes, error, outcome);
}

bool writeFileSafely(const QString& path, std::string_view bytes, QString* error, SaveOutcome* outcome,
                     std::optional<mode_t> mode)
{
    const auto fail = [&](int errnum) {
        if (error) *error = systemError(errnum);
        return false;
    };
    if (!namesItsFileExactly(path)) return fail(ENOENT);
    // A symbolic link is written through to its target and stays a link.
    QFileInfo target(path);
    const bool link = target.isSymLink();
    for (int depth = 0; target.isSymLink() && depth < 40; ++depth) target.setFile(target.symLinkTarget());
    const QByteArray native = QFile::encodeName(target.filePath());
    const QByteArray folder = QFile::encodeName(target.absolutePath());

    // Ask the system first, with the rights the save runs with, so that the
    // reason is the system's (read-only, immutable, a folder).
    struct stat st {};
    const bool exists = ::stat(native.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (exists && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0) return fail(errno);
    // A new file would leave the old text under the file's other names. (A
    // private file of the program's own is always made anew.)
    if (exists && !mode && st.st_nlink > 1) return writeInPlace(native, folder, st, bytes, link, error, outcome);

    removeStaleTemporaries(folder);
    TemporaryFile temp(folder);
    // A private file is never open to others, not even before its mode is set.
    if (!temp.open(mode.value_or(0666))) {
        const int errnum = errno;
        if (!isFolderRefusal(errnum)) return fail(errnum);
        if (outcome) outcome->folderRefused = true;
        if (error) *error = folderFailure(folder, errnum);
        return false;
    }
    // The file keeps its mode or takes the one asked for (the umask only
    // narrows it); a new one gets the mode new files get.
    if ((mode || exists) && ::fchmod(temp.fd, mode ? *mode : st.st_mode & 07777) != 0) return fail(errno);
    // A short write on a full disk is followed by the write of the rest, which
    // fails with the system's reason.
    for (const char* p = bytes.data(); p < bytes.data() + bytes.size();) {
        const ssize_t n = ::write(temp.fd, p, static_cast<size_t>(bytes.data() + bytes.size() - p));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
        p += n;
    }
    // A new file that cannot have the old one's owner, group and extended
    // attributes would lose them: the old file is written in place instead.
    if (exists && !mode && !takeOwnerAndAttributes(temp.fd, native, st))
        return writeInPlace(native, folder, st, bytes, link, error, outcome);
    // Delayed allocation can report a full disk only here.
    if (::fsync(temp.fd) != 0) return fail(errno);
    if (outcome) outcome->written = identityOfOpenFile(temp.fd, link);
    if (!temp.replace(native, exists)) return fail(errno);
    // The new name itself survives a crash of the system only once the
    // folder is written; the file is already in place, so this is not checked.
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace storage
