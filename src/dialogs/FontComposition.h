// The font start tag of the font attributes dialog, composed from a plain
// struct of its fields, and the page colour its previews are shown on.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "ColourMixer.h"

namespace dialogs {

struct FontFields {
    QString size = QStringLiteral("<default>");
    bool colour = true;
    QString code;  // the colour code shown beside the grid
    QString face;
};

struct FontTag {
    QString start;  // empty when nothing was chosen
    QString end;
    bool empty() const { return start.isEmpty(); }
};

// <font size="S" color="C" face="F"> with the attributes chosen, in that
// order, the whole tag (values included) in the tag case. A size of
// "<default>" (in any letter case) is no size, an empty one is written empty
// (size=""); the colour counts only while its box is ticked; nothing chosen
// gives an empty tag.
FontTag fontTag(const FontFields& fields, bool lower);
// What replaces the selection: the start tag alone without a selection, else
// the selection between the start and the end tag.
std::string fontInsertion(const FontTag& tag, std::string_view selected);

// The size items, "<default>" among them at kDefaultFontSize.
QStringList fontSizeItems();
inline constexpr int kDefaultFontSize = 3;

// The page colour of a document: the first `bgcolor="` (ignoring case) and the
// six characters after it, or after a "#" there. Nothing when there is none or
// when those characters are not a colour code. One pass, no copy.
std::optional<Rgb> pageBackground(std::string_view document);

}  // namespace dialogs
