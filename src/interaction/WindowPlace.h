// Where windows and dialogs go on the screens there are now: a stored place
// from a larger screen, or from a screen no longer connected, and a dialog
// centred on a small or scaled screen all stay on the available area, their
// title bar and buttons in reach.
#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

class QWidget;

namespace interaction {

// The rule: the frame rectangle a window wanted, and the available areas of
// the screens (the primary first), give the frame rectangle it gets. It stays
// on the area it overlaps most (the nearest when it overlaps none), moved
// first and shrunk only where it is larger than that area.
QRect keepOnScreens(const QRect& frame, const QList<QRect>& areas);

// The available areas of the connected screens, the primary first.
QList<QRect> availableAreas();
// What the window system adds around `window`: known once it is shown;
// before that, the frame of another shown window, else an estimate.
QMargins frameMargins(const QWidget& window);
// The largest client size `window` can have on the screen it will show on.
QSize roomOnScreen(const QWidget& window);

// Puts a top-level window with its frame's corner at `framePos` around a
// client area of `clientSize` (as the main window's place is stored), kept on
// screen.
void placeFrame(QWidget& window, QPoint framePos, QSize clientSize);
// The same for a place stored as the client area's rectangle.
void placeClient(QWidget& window, const QRect& client);
// Centres `window` on the available area of the screen `over` is on (its own
// when null), kept on it.
void centreOnScreen(QWidget& window, const QWidget* over = nullptr);

// A window's stored place and the place it was given from it. Until the
// window is moved or resized the stored place is what gets written back, so
// that a start on a smaller screen does not lose the place for the larger one.
struct RestoredPlace {
    QRect stored;
    QRect given;
    QRect toStore(const QRect& now) const { return now == given ? stored : now; }
};
// x, y, width and height as the editor stores a window's place.
QRect storedPlaceOf(const QWidget& window);

}  // namespace interaction
