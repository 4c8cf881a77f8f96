// Reading and writing documents so that every byte survives: a file is read as
// UTF-8 when it is valid UTF-8, else as Windows-1252 (its five undefined bytes
// kept as themselves); in memory the text is UTF-8 with CR LF line breaks; a
// save writes the file back in its own encoding and line-break convention,
// through a save file that leaves the old file whole when anything fails.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace app {

enum class Encoding { Utf8, Windows1252 };
enum class LineBreaks { CrLf, Lf };

// How a document is written back: new documents are UTF-8 with CR LF.
struct DocumentFormat {
    Encoding encoding = Encoding::Utf8;
    LineBreaks lineBreaks = LineBreaks::CrLf;
};

struct LoadedDocument {
    std::string text;  // UTF-8, as the editor holds it
    DocumentFormat format;
};

// Reads the whole file first; on failure returns false and the system's error
// text in *error, and *out is untouched.
bool loadDocumentFile(const QString& path, LoadedDocument* out, QString* error);

// Writes `text` (as the editor holds it) in `format`. On failure returns false
// with the system's error text; the old file is byte-identical and no temporary
// file is left beside it. A symbolic link is written through to its target.
bool saveDocumentFile(const QString& path, std::string_view text, const DocumentFormat& format, QString* error);

// The pure conversions behind them, for tests and benchmarks.
LoadedDocument decodeDocument(std::string_view fileBytes);
std::string encodeDocument(std::string_view text, const DocumentFormat& format);

}  // namespace app
