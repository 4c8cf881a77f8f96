#include "ButtonIcons.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "CommandTable.h"

// Resources of a static library are registered by hand (outside any namespace).
static void initButtonIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace app {
namespace {

bool svgReadable()
{
    static const bool readable = QImageReader::supportedImageFormats().contains("svg");
    return readable;
}

// The first letters of the hint on a plain tile.
QIcon letterIcon(const QString& hint)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x30, 0x30, 0x60));
    p.drawRect(0, 0, 15, 15);
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, hint.left(2));
    return QIcon(pixmap);
}

}  // namespace

QIcon buttonIcon(const CommandEntry& entry)
{
    static const bool initialised = [] {
        initButtonIconResources();
        return true;
    }();
    (void)initialised;
    const QString own = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.button));
    QIcon fallback;
    if (svgReadable() && QFile::exists(own))
        fallback = QIcon(own);
    else
        fallback = letterIcon(QString::fromLatin1(entry.hint ? entry.hint : entry.button));
    if (entry.themeIcon && QIcon::hasThemeIcon(QLatin1String(entry.themeIcon)))
        return QIcon::fromTheme(QLatin1String(entry.themeIcon), fallback);
    return fallback;
}

}  // namespace app
