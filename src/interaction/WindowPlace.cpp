#include "WindowPlace.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace interaction {
namespace {

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// The squared gap between two rectangles that do not overlap.
qint64 gap(const QRect& a, const QRect& b)
{
    const qint64 dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const qint64 dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

QRect areaFor(const QRect& frame, const QList<QRect>& areas)
{
    QRect best = areas.front();
    qint64 most = overlap(frame, best), nearest = gap(frame, best);
    for (const QRect& area : areas) {
        const qint64 o = overlap(frame, area), g = gap(frame, area);
        if (o > most || (most == 0 && o == 0 && g < nearest)) best = area, most = o, nearest = g;
    }
    return best;
}

QMargins marginsOf(const QWidget& shown)
{
    const QRect frame = shown.frameGeometry(), client = shown.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

const QScreen* screenFor(const QWidget& window)
{
    const QWidget* parent = window.parentWidget();
    if (parent && !window.isVisible()) return parent->window()->screen();
    return window.screen();
}

}  // namespace

QRect keepOnScreens(const QRect& frame, const QList<QRect>& areas)
{
    if (areas.isEmpty()) return frame;
    const QRect area = areaFor(frame, areas);
    const int width = std::min(frame.width(), area.width()), height = std::min(frame.height(), area.height());
    const int x = std::clamp(frame.x(), area.x(), area.x() + area.width() - width);
    const int y = std::clamp(frame.y(), area.y(), area.y() + area.height() - height);
    return {x, y, width, height};
}

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) areas << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
    return areas;
}

QMargins frameMargins(const QWidget& window)
{
    if (window.isVisible()) return marginsOf(window);
    if (const QWindow* handle = window.windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == &window || !other->isVisible() || other->windowType() == Qt::Popup) continue;
        const QMargins m = marginsOf(*other);
        if (!m.isNull()) return m;
    }
    // Nothing framed yet (a first window): a title bar and thin borders.
    const int border = 4;
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
}

QSize roomOnScreen(const QWidget& window)
{
    const QScreen* screen = screenFor(window);
    if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().marginsRemoved(frameMargins(window)).size();
}

void placeFrame(QWidget& window, QPoint framePos, QSize clientSize)
{
    const QMargins m = frameMargins(window);
    const QRect kept = keepOnScreens(QRect(framePos, clientSize.grownBy(m)), availableAreas());
    window.resize(kept.size().shrunkBy(m));
    window.move(kept.topLeft());
}

void placeClient(QWidget& window, const QRect& client)
{
    // Placed by its client area, so that a frame guessed wrong does not move
    // a window that fits.
    const QMargins m = frameMargins(window);
    const QRect frame = client.marginsAdded(m), kept = keepOnScreens(frame, availableAreas());
    window.setGeometry(kept == frame ? client : kept.marginsRemoved(m));
}

void centreOnScreen(QWidget& window, const QWidget* over)
{
    const QScreen* screen = over ? over->window()->screen() : screenFor(window);
    if (!screen) return;
    const QMargins m = frameMargins(window);
    QRect frame(QPoint(), window.size().grownBy(m));
    frame.moveCenter(screen->availableGeometry().center());
    const QRect kept = keepOnScreens(frame, {screen->availableGeometry()});
    window.resize(kept.size().shrunkBy(m));
    window.move(kept.topLeft());
}

QRect storedPlaceOf(const QWidget& window)
{
    return {window.x(), window.y(), window.width(), window.height()};
}

}  // namespace interaction
