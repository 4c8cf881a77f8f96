// Reading and writing documents so that every byte survives: a file that
// begins with the byte-order mark of UTF-16 or UTF-32 is read in that form
// (see WideUnicode.h) or refused; else it is read in
// the encoding it declares (see DeclaredCharset.h) when that is UTF-8 and the
// bytes are valid UTF-8, Windows-1252 (or ISO-8859-1, read as Windows-1252),
// or another encoding Qt's codecs read and write back byte for byte; else it
// is read as UTF-8 when it is valid UTF-8, else as Windows-1252 (its five
// undefined bytes kept as themselves); in memory the text is UTF-8 with CR LF line breaks; a
// save writes the file back in its own encoding and line-break convention,
// through a temporary file that takes the old file's place only when it is
// complete, so that the old file stays whole when anything fails, the process
// killed at any moment included.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "storage/FileIdentity.h"

namespace storage {

// Named: an encoding of Qt's codecs, named by DocumentFormat::charset. The
// UTF-16 and UTF-32 forms always have their byte-order mark, which is part
// of the format, not of the text.
enum class Encoding { Utf8, Windows1252, Named, Utf16Le, Utf16Be, Utf32Le, Utf32Be };
// CrLf also stands for "as held": a file with CR LF, mixed or lone-CR line
// breaks is held exactly as it is and written back the same way.
enum class LineBreaks { CrLf, Lf };

// What the reading made of the encoding a page declares.
enum class Declared {
    None,      // no declaration
    Followed,  // read in the declared encoding
    NotUtf8,   // declared UTF-8, but the bytes are not: read as Windows-1252
    Unknown,   // an encoding the codecs do not know: read as guessed
    NotInIt,   // the bytes do not read and write back exactly in it: as guessed
};

// How a document is written back: new documents are UTF-8 with CR LF.
struct DocumentFormat {
    DocumentFormat(Encoding e = Encoding::Utf8, LineBreaks l = LineBreaks::CrLf, std::string name = {})
        : encoding(e), lineBreaks(l), charset(std::move(name))
    {
    }
    Encoding encoding = Encoding::Utf8;
    LineBreaks lineBreaks = LineBreaks::CrLf;
    std::string charset;  // Encoding::Named: the encoding's name, as declared
    // The page's declaration, as written, and what became of it; not part of
    // how the document is written.
    Declared declared = Declared::None;
    std::string declaredName;
    bool operator==(const DocumentFormat& o) const
    {
        return encoding == o.encoding && lineBreaks == o.lineBreaks && charset == o.charset;
    }
};

// The encoding as messages name it: "UTF-8", "Windows-1252", "UTF-16LE" ...
// or the charset.
QString encodingName(const DocumentFormat& format);
// What the author is told once after the file is read, when its declaration
// was not followed; empty otherwise.
QString declarationNotice(const DocumentFormat& format);

struct LoadedDocument {
    std::string text;  // UTF-8, as the editor holds it
    DocumentFormat format;
    // Why the bytes cannot be held without changing them (a UTF-16 or UTF-32
    // file that is not valid in its form); the text is then empty.
    QString refused;
};

// Whether `path` names a plain file (through links), as every reader of a
// file named by path checks before it opens it: the open of a pipe waits for a
// writer for good, and a device can be endless. On false, *error says why:
// the system's reason ("No such file or directory", "Is a directory") or
// "not a plain file".
bool isPlainFile(const QString& path, QString* error);

// The most the editing control holds, in bytes as it holds them: its
// positions are 32-bit. A larger file is refused before it is read; one
// whose text grows past it as it is converted (to UTF-8, CR LF) is refused
// by readDocumentFile, which fills the control (see TextSink::capacity).
inline constexpr size_t kMaxDocumentBytes = 2147483647;

// The bytes of a plain file, read whole; on failure returns false with the
// system's reason in *error and *out untouched.
bool readFileBytes(const QString& path, std::string* out, QString* error);

// Reads the whole file first; on failure returns false with the system's
// reason in *error ("Permission denied") and *out untouched. Folders, special
// files (devices, pipes), files past kMaxDocumentBytes and files whose bytes
// cannot be held (LoadedDocument::refused) are refused.
bool loadDocumentFile(const QString& path, LoadedDocument* out, QString* error);

// Where readDocumentFile puts a document's text: begin() with about the size
// it will have, then its pieces in order. begin() may come again (the file
// changed while it was read); the pieces before it are then void. append()
// throws std::bad_alloc when there is no room for a piece.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void begin(size_t expectedBytes) = 0;
    virtual void append(std::string_view piece) = 0;
    // The longest text it takes, in bytes; a longer one is refused, at the
    // latest before the piece that would pass it.
    virtual size_t capacity() const { return kMaxDocumentBytes; }
};

// The size of the pieces readDocumentFile reads (and hands over, when the
// file needs no conversion).
inline constexpr size_t kReadPiece = size_t(1) << 20;

// Reads a document file as loadDocumentFile does (the same text, format and
// errors) but hands the text to `sink` in pieces instead of holding it whole,
// so that opening a file takes no memory besides the editor's own copy. The
// file is read twice: to learn its encoding and line breaks, then to convert
// it; one that changed in between is read again whole. A text longer than
// the sink's capacity is refused. On failure the sink may have had part of
// the text.
bool readDocumentFile(const QString& path, DocumentFormat* format, TextSink& sink, QString* error);

// What a save tells besides its success.
struct SaveOutcome {
    FileIdentity written;        // the file as the save left it
    bool folderRefused = false;  // failed: no file could be made in the folder
};

// Writes `text` (as the editor holds it) in `format`. On failure returns false
// with the system's reason in *error; the old file is
// byte-identical and no temporary file is left beside it. A symbolic link is
// written through to its target and stays a link; the file keeps its mode,
// owner, group, extended attributes and other names (see writeFileSafely). A
// document holding a character that its encoding (other than UTF-8) has no
// code for is not written at all: the reason names the character and its line
// (nothing is ever replaced by "?"). Callers offer UTF-8 first
// (firstUnencodable).
bool saveDocumentFile(const QString& path, std::string_view text, const DocumentFormat& format, QString* error,
                      SaveOutcome* outcome = nullptr);

// The safe save of saveDocumentFile for bytes as they are: written to a
// temporary file in the same folder, synced, renamed over the old file. A
// process killed at any moment leaves the old file or the new one, whole; the
// temporary file it may leave (".quillon-save-PID-XXXXXX", hidden, only
// between naming the file and the rename where the system has unnamed files)
// is removed by the next save into that folder (removeStaleTemporaries). A
// file the new one cannot stand in for (other hard links, an owner or an
// extended attribute the new file cannot take) is written in place behind a
// copy of its old bytes instead (see InPlaceSave.h). A folder where no file
// can be made is named in the reason (outcome->folderRefused).
// With `mode`, the file is private to the program: it is always made anew,
// with exactly that mode from its creation on, whatever the old one had (0600
// for the text of documents kept for recovery).
bool writeFileSafely(const QString& path, std::string_view bytes, QString* error, SaveOutcome* outcome = nullptr,
                     std::optional<mode_t> mode = std::nullopt);

// Removes the temporary files of saves that were killed: those whose process
// is no longer alive (isProcessAlive).
void removeStaleTemporaries(const QByteArray& folder);

// The error box texts of a failed open or save: `Cannot open "path".` and the
// reason on a line of its own.
QString openFailure(const QString& path, const QString& reason);
QString saveFailure(const QString& path, const QString& reason);

// A character as messages name it: "ā" (U+0101).
QString describeCharacter(char32_t codePoint);

// The first character of `text` that `encoding` cannot store: its byte offset
// in `text`, its code point and its line (1-based).
struct Unencodable {
    size_t offset = 0;
    char32_t codePoint = 0;
    int line = 1;
};
std::optional<Unencodable> firstUnencodable(std::string_view text, const DocumentFormat& format);
std::optional<Unencodable> firstUnencodable(std::string_view text, Encoding encoding);

// The pure conversions behind them, O(n), for tests and benchmarks.
LoadedDocument decodeDocument(std::string_view fileBytes);
// The bytes of the file. Bytes of `text` that are not UTF-8 are written as they
// are (as U+FFFD in UTF-16 and UTF-32). Characters the encoding cannot store (see firstUnencodable, which
// saveDocumentFile checks) are written in UTF-8.
std::string encodeDocument(std::string_view text, const DocumentFormat& format);

}  // namespace storage
