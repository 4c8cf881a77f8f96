// Printing the document's source as a plain listing: a header line naming the
// document, the product and the date and time, an empty line, then every line
// of the text in a fixed-pitch font, laid out as a simple text stream would lay
// it out (top-left of the printable area, lines broken at the last character
// that fits, tabs every eight characters, a form feed starts a page).
#pragma once

#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QString>
#include <string_view>

class QPagedPaintDevice;

namespace app {

class CommandRegistry;
class EditorContext;

// "PATH  -  Quillon Pro Dec-05-26 14:07": the document's name from the
// window's caption (the caption without " - Quillon Pro": the full path or
// "untitled.html"; "untitled.html" for any other caption), the product, and
// the date and time with the locale's month abbreviations.
QString printHeader(const QString& caption, const QDateTime& now, const QLocale& locale);

// The fonts of the listing: the header in a sans face of 11 points, the text in
// a fixed-pitch face of 10 points (the stored names are kept; the system
// substitutes a face of the same kind where one is missing).
QFont headerFont();
QFont listingFont();

// Lays out and paints the header, an empty line and `text` (UTF-8 with CR LF,
// LF or CR line breaks) on `device`, page after page. Returns the number of
// pages; 0 when the device could not be painted on.
int printListing(QPagedPaintDevice& device, const QString& header, std::string_view text);

}  // namespace app
