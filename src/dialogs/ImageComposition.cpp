#include "ImageComposition.h"

#include "markup/TagCase.h"

namespace dialogs {
namespace {
// ` NAME="value"` in the tag case, or nothing for an empty value.
QString attribute(const char* upperName, const QString& value, bool lower)
{
    if (value.isEmpty()) return {};
    return markup::toTagCase(QStringLiteral(" %1=\"").arg(QLatin1String(upperName)), lower) + value + u'"';
}
}  // namespace

Composed imageElement(const ImageFields& f, bool lower)
{
    if (f.image.isEmpty()) return {{}, QStringLiteral("No image is specified.")};
    if (f.isMap && f.useMap) return {{}, QStringLiteral("You can't use both ISMAP and USEMAP together.")};
    auto cased = [lower](const char* upper) { return markup::toTagCase(QString::fromLatin1(upper), lower); };
    QString element;
    if (f.linked) element = cased("<A HREF=\"") + f.link + QStringLiteral("\">");
    element += cased("<IMG SRC=\"") + f.image + u'"';
    element += attribute("WIDTH", f.width, lower) + attribute("HEIGHT", f.height, lower) +
               attribute("ALIGN", markup::toTagCase(f.align, lower), lower) + attribute("BORDER", f.border, lower);
    if (!f.alternate.isEmpty()) element += cased(" ALT=\"") + u'[' + f.alternate + QStringLiteral("]\"");
    if (f.isMap) element += cased(" ISMAP");
    if (f.useMap) element += cased(" USEMAP=\"") + f.mapName + u'"';
    element += u'>';
    if (f.linked) element += cased("</A>");
    return {element, {}};
}

QStringList imageBorderItems()
{
    QStringList items{QString()};
    for (int i = 0; i <= 10; ++i) items << QString::number(i);
    return items;
}

QStringList imageAlignItems()
{
    return {QString(),
            QStringLiteral("Left"),
            QStringLiteral("Right"),
            QStringLiteral("Middle"),
            QStringLiteral("Top"),
            QStringLiteral("Bottom"),
            QStringLiteral("Abscenter")};
}

}  // namespace dialogs
