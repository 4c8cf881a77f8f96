// The horizontal rule of the line dialog, composed from a plain struct of its
// fields. The colours are the palette's, named, after "<default>".
#pragma once

#include <QString>
#include <QStringList>

namespace dialogs {

struct LineFields {
    QString size = QStringLiteral("2");
    QString width;
    QString align = QStringLiteral("left");
    QString colour = QStringLiteral("<default>");  // an item name, or a value as typed
    bool shade = true;
};

// <hr align="A" size="S" width="W" color="C">: the alignment always (empty
// when its box is), the others when their fields are filled, " noshade"
// before the ">" without shading, the whole tag in the tag case; with shading
// and no size, width or colour, the bare <hr>.
QString lineTag(const LineFields& fields, bool lower);
// The code of a colour item named in any letter case ("Red": "FF0000"); empty
// for "<default>" or an empty text; any other text as typed.
QString lineColourCode(const QString& colour);

QStringList lineColourItems();  // "<default>", then the palette's names
QStringList lineAlignItems();   // "left", "right", "center"

}  // namespace dialogs
