// The element of the image dialog, composed from a plain struct of its fields:
// an image tag with the attributes whose fields are filled, optionally wrapped
// in an anchor. Only the align value takes the tag case; every other field
// goes in as typed.
#pragma once

#include <QString>
#include <QStringList>

#include "LinkComposition.h"

namespace dialogs {

struct ImageFields {
    QString image{};
    bool linked = false;
    QString link = QStringLiteral("http://");
    QString border{}, width{}, height{}, align{}, alternate{};
    bool isMap = false;
    bool useMap = false;
    QString mapName = QStringLiteral("#");
};

// <a href="LINK"><img src="IMG" width="W" height="H" align="a" border="B"
// alt="[ALT]" ismap|usemap="MAP"></a>. Refused without an image, then when
// both map kinds are ticked.
Composed imageElement(const ImageFields& fields, bool lower);

// The items of the two drop-downs, the empty one first.
QStringList imageBorderItems();
QStringList imageAlignItems();

}  // namespace dialogs
