// Reading and writing documents so that every byte survives: a file is read as
// UTF-8 when it is valid UTF-8, else as Windows-1252 (its five undefined bytes
// kept as themselves); in memory the text is UTF-8 with CR LF line breaks; a
// save writes the file back in its own encoding and line-break convention,
// through a temporary file that takes the old file's place only when it is
// complete, so that the old file stays whole when anything fails, the process
// killed at any moment included.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace storage {

enum class Encoding { Utf8, Windows1252 };
// CrLf also stands for "as held": a file with CR LF, mixed or lone-CR line
// breaks is held exactly as it is and written back the same way.
enum class LineBreaks { CrLf, Lf };

// How a document is written back: new documents are UTF-8 with CR LF.
struct DocumentFormat {
    Encoding encoding = Encoding::Utf8;
    LineBreaks lineBreaks = LineBreaks::CrLf;
    bool operator==(const DocumentFormat&) const = default;
};

struct LoadedDocument {
    std::string text;  // UTF-8, as the editor holds it
    DocumentFormat format;
};

// The bytes of a plain file, read whole; on failure returns false with the
// system's reason in *error and *out untouched.
bool readFileBytes(const QString& path, std::string* out, QString* error);

// Reads the whole file first; on failure returns false with the system's
// reason in *error ("Permission denied") and *out untouched. Folders and
// special files (devices, pipes) are refused.
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
};

// The size of the pieces readDocumentFile reads (and hands over, when the
// file needs no conversion).
inline constexpr size_t kReadPiece = size_t(1) << 20;

// Reads a document file as loadDocumentFile does (the same text, format and
// errors) but hands the text to `sink` in pieces instead of holding it whole,
// so that opening a file takes no memory besides the editor's own copy. The
// file is read twice: to learn its encoding and line breaks, then to convert
// it; one that changed in between is read again whole. On failure the sink
// may have had part of the text.
bool readDocumentFile(const QString& path, DocumentFormat* format, TextSink& sink, QString* error);

// Writes `text` (as the editor holds it) in `format`. On failure returns false
// with the system's reason in *error; the old file is
// byte-identical and no temporary file is left beside it. A symbolic link is
// written through to its target and stays a link; the file keeps its mode and,
// where the system allows, its owner and group. A Windows-1252 document holding
// a character that Windows-1252 has no code for is not written at all: the
// reason names the character and its line (nothing is ever replaced by "?").
// Callers offer UTF-8 first (firstUnencodable).
bool saveDocumentFile(const QString& path, std::string_view text, const DocumentFormat& format, QString* error);

// The safe save of saveDocumentFile for bytes as they are: written to a
// temporary file in the same folder, synced, renamed over the old file. A
// process killed at any moment leaves the old file or the new one, whole; the
// temporary file it may leave (".quillon-save-PID-XXXXXX", hidden, only
// between naming the file and the rename where the system has unnamed files)
// is removed by the next save into that folder (removeStaleTemporaries).
bool writeFileSafely(const QString& path, std::string_view bytes, QString* error);

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
std::optional<Unencodable> firstUnencodable(std::string_view text, Encoding encoding);

// The pure conversions behind them, O(n), for tests and benchmarks.
LoadedDocument decodeDocument(std::string_view fileBytes);
// The bytes of the file. Bytes of `text` that are not UTF-8 are written as they
// are. Characters the encoding cannot store (see firstUnencodable, which
// saveDocumentFile checks) are written in UTF-8.
std::string encodeDocument(std::string_view text, const DocumentFormat& format);

}  // namespace storage
