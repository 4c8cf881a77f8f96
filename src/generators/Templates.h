// The texts the generators write, as pure functions returning the whole text
// (every line, the last included, ends in CR LF): the default page, the
// frameset page and Quick Page, each in the author's tag case.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>

#include "ColourScheme.h"

namespace settings {
struct Options;
}

namespace generators {

struct DefaultPage {
    bool lowerCase = true;
    // The body tag carries the background image alone (when one is set).
    bool UseDefault = false;
    QString bgImage;                      // written as stored
    QString dtd;                          // first line, in the tag case; none when empty
    std::array<QString, kParts> colours;  // as written, already in the tag case
};

// The DTD, a head with a title and two meta tags, and a body tag with the
// background image and the five colours, then five empty lines.
QString defaultTemplate(const DefaultPage& page);
// The DTD, the same head, a base target and a frameset of two frames.
QString framesetTemplate(bool lowerCase, const QString& dtd);

// The author's home page from the user information of `options` (values
// exactly as stored; the lines of a multi-line address each become a line),
// with a footer naming the year and the date of `today` in the long date form
// of `locale`.
QString quickPage(const settings::Options& options, QDate today, const QLocale& locale);

}  // namespace generators
