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
#include <functional>
#include <string_view>
#include <vector>

class QPagedPaintDevice;

namespace commands {

class CommandRegistry;
class CommandContext;

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

// Tabs stop every eight average character widths from the left margin.
inline constexpr int kListingTabColumns = 8;

// One printed line of the listing: the pieces of text it shows, each at its
// distance from the left margin in device units.
struct ListingRun {
    int x = 0;
    QString text;
    bool operator==(const ListingRun&) const = default;
};
struct ListingLine {
    bool newPage = false;  // a form feed put it at the top of a new page
    bool hasText = false;  // a character or a tab was placed on it (its height)
    std::vector<ListingRun> runs;
};

// Lays out one line of the document as a text stream does: characters left
// to right, `advance` wide each; a tab moves on to the next multiple of
// `tabWidth`; a character that would cross `pageWidth` (unless it is the first
// of its printed line) goes to a new printed line, which starts again at the
// left margin with its tab stops counted from there; a form feed starts a
// printed line on a new page; a carriage return is ignored. At least one line.
std::vector<ListingLine> layOutListingLine(QStringView line, int pageWidth, int tabWidth,
                                           const std::function<int(QChar)>& advance);

// Lays out and paints the header, an empty line and `text` (UTF-8 with CR LF,
// LF or CR line breaks) on `device`, page after page. Returns the number of
// pages; 0 when the device could not be painted on.
int printListing(QPagedPaintDevice& device, const QString& header, std::string_view text);

}  // namespace commands
