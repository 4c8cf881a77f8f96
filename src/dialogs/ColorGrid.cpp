// The sixteen-colour grid: painting, hit testing and keyboard selection.
#include "ColorGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "markup/Palette.h"

namespace dialogs {
namespace {
constexpr int kCellSide = 18;  // preferred cell size in pixels
constexpr int kMinCellSide = 10;
}  // namespace

ColorGrid::ColorGrid(int columns, QWidget* parent) : QWidget(parent), columns_(std::clamp(columns, 1, kCellCount))
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QColor ColorGrid::colourAt(int index)
{
    return QColor::fromRgb(markup::paletteRgb(index));
}

void ColorGrid::setSelectedIndex(int index)
{
    if (index < 0 || index >= kCellCount) index = -1;
    if (index == selected_) return;
    selected_ = index;
    update();
    emit selectedChanged(selected_);
}

QSize ColorGrid::sizeHint() const
{
    return {columns_ * kCellSide + 1, rows() * kCellSide + 1};
}
QSize ColorGrid::minimumSizeHint() const
{
    return {columns_ * kMinCellSide + 1, rows() * kMinCellSide + 1};
}

QRect ColorGrid::cellRect(int index) const
{
    if (index < 0 || index >= kCellCount) return {};
    const int w = (width() - 1) / columns_, h = (height() - 1) / rows();
    return {(index % columns_) * w, (index / columns_) * h, w, h};
}

int ColorGrid::cellAt(const QPoint& pos) const
{
    for (int i = 0; i < kCellCount; ++i)
        if (cellRect(i).contains(pos)) return i;
    return -1;
}

void ColorGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < kCellCount; ++i) {
        const QRect r = cellRect(i);
        p.fillRect(r, colourAt(i));
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(r);
    }
    if (selected_ >= 0) {
        // A two-tone frame stays visible on dark and on light cells.
        const QRect r = cellRect(selected_);
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(3, 3, -3, -3));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = selected_ >= 0 ? cellRect(selected_).adjusted(-1, -1, 1, 1) : rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* event)
{
    const int cell = cellAt(event->position().toPoint());
    if (cell < 0) return QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && selecting_) setSelectedIndex(cell);
    emit cellClicked(cell, event->button());
    event->accept();
}

void ColorGrid::keyPressEvent(QKeyEvent* event)
{
    if (!selecting_ || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::keyPressEvent(event);
    const int current = selected_;
    int next = current;
    switch (event->key()) {
        case Qt::Key_Left:
            next = current < 0 ? 0 : current - 1;
            break;
        case Qt::Key_Right:
            next = current < 0 ? 0 : current + 1;
            break;
        case Qt::Key_Up:
            next = current < 0 ? 0 : current - columns_;
            break;
        case Qt::Key_Down:
            next = current < 0 ? 0 : current + columns_;
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = kCellCount - 1;
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    // Moving past an edge keeps the selection where it is.
    if (next >= 0 && next < kCellCount) setSelectedIndex(next);
    event->accept();
}

}  // namespace dialogs
