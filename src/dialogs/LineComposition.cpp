#include "LineComposition.h"

#include "markup/Palette.h"
#include "markup/TagCase.h"

namespace dialogs {

QStringList lineColourItems()
{
    return {QStringLiteral("<default>"),  QStringLiteral("Black"), QStringLiteral("Maroon"),  QStringLiteral("Green"),
            QStringLiteral("Olive"),      QStringLiteral("Navy"),  QStringLiteral("Purple"),  QStringLiteral("Teal"),
            QStringLiteral("Light grey"), QStringLiteral("Grey"),  QStringLiteral("Red"),     QStringLiteral("Lime"),
            QStringLiteral("Yellow"),     QStringLiteral("Blue"),  QStringLiteral("Magenta"), QStringLiteral("Cyan"),
            QStringLiteral("White")};
}

QStringList lineAlignItems()
{
    return {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")};
}

QString lineColourCode(const QString& colour)
{
    if (colour.isEmpty()) return {};
    const QStringList items = lineColourItems();
    for (int item = 0; item < items.size(); ++item)
        if (items[item].compare(colour, Qt::CaseInsensitive) == 0)
            return item == 0 ? QString() : QString::fromLatin1(markup::paletteCode(item - 1));
    return colour;
}

QString lineTag(const LineFields& f, bool lower)
{
    const QString code = lineColourCode(f.colour);
    if (f.shade && f.size.isEmpty() && f.width.isEmpty() && code.isEmpty())
        return markup::toTagCase(QStringLiteral("<hr>"), lower);
    // The alignment is always written, empty when its box was cleared; the
    // other attributes only when filled.
    QString tag = QStringLiteral("<hr align=\"%1\"").arg(f.align);
    auto add = [&tag](const char* name, const QString& value) {
        if (!value.isEmpty()) tag += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value);
    };
    add("size", f.size);
    add("width", f.width);
    add("color", code);
    tag += f.shade ? QStringLiteral(">") : QStringLiteral(" noshade>");
    return markup::toTagCase(tag, lower);
}

}  // namespace dialogs
