// What a file opened from the side list or dropped on the editor becomes,
// decided by its type: an image tag (a GIF with its width and height), a
// style-sheet link (dropped only), an anchor around the selection (dropped),
// the document itself (opened), or nothing for programs, bitmaps, word
// processor files and the like. Types are found by searching the lower-cased
// file name anywhere, not only at its end ("page.doc.html" is a ".doc"); the
// folders do not count, so site folders named after their domain
// (www.example.com) hold pages like any other.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "GifHeader.h"

namespace files {

// Opened from the side list (double click, "Open") or dropped on the editor.
enum class Arrival { Opened, Dropped };
enum class FileKind { Ignored, Gif, Jpeg, StyleSheet, Other };

FileKind fileKind(const QString& path, Arrival arrival);
// The ignored type found in the file name (".exe"), or empty when the file is
// not ignored.
QString ignoredType(const QString& path, Arrival arrival);

// The text that replaces the selection, and where the caret goes: this many
// bytes back from the end of that text.
struct Reference {
    std::string text;
    int caretBack = 0;
};

// The reference to the file at `path` of kind Gif, Jpeg, StyleSheet or Other
// (an anchor), in the author's tag case (`lower`). An image's name gets
// `imagePrefix` in front; `gif` is the size a GIF tag shows. The selected text
// stays in front of an image or a link and goes inside an anchor.
Reference referenceTo(FileKind kind, const QString& path, std::string_view selected, const QString& imagePrefix,
                      GifSize gif, bool lower);

}  // namespace files
