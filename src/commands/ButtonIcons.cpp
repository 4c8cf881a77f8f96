#include "commands/ButtonIcons.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include "commands/CommandTable.h"

// Resources of a static library are registered by hand (outside any namespace).
static void initButtonIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace commands {
namespace {

// Asked of one of our own icons: the list of every readable format would load
// every image plugin there is (and the libraries they need) at start-up.
bool svgReadable(const QString& own)
{
    static const bool readable = QImageReader(own).canRead();
    return readable;
}

// The first letters of the hint on a plain tile, drawn at 1x, 2x and 3x so
// that the tile stays sharp on a high-density screen.
QIcon letterIcon(const QString& hint)
{
    QIcon icon;
    for (const int scale : {1, 2, 3}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setPen(QPen(QColor(0x30, 0x30, 0x60), 1));
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
        QFont font = p.font();
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, hint.left(2));
        icon.addPixmap(pixmap);
    }
    return icon;
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
    if (QFile::exists(own) && svgReadable(own))
        fallback = QIcon(own);
    else
        fallback = letterIcon(QString::fromLatin1(entry.hint ? entry.hint : entry.button));
    if (entry.themeIcon && QIcon::hasThemeIcon(QLatin1String(entry.themeIcon)))
        return QIcon::fromTheme(QLatin1String(entry.themeIcon), fallback);
    return fallback;
}

}  // namespace commands
