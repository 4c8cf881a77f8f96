#include "app/TVexSplitter.h"

#include <QMouseEvent>
#include <QRubberBand>

namespace app {

int clampSplit(int proposed, int low, int high)
{
    if (proposed <= low) return low;
    if (proposed > high) return high;
    return proposed;
}

TVexSplitter::TVexSplitter(QWidget* parent) : QWidget(parent)
{
    setOrientation(soVertical);
    setFixedWidth(4);
}

void TVexSplitter::setOrientation(Orientation o)
{
    orientation_ = o;
    setCursor(o == soVertical ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void TVexSplitter::setLeftTopControl(QWidget* control)
{
    if (control == this || (control && control == rightBottom_)) return;
    leftTop_ = control;
}

void TVexSplitter::setRightBottomControl(QWidget* control)
{
    if (control == this || (control && control == leftTop_)) return;
    rightBottom_ = control;
}

int TVexSplitter::clampedPosition(int proposed) const
{
    // The free area is the parent's client area: the bar's controls are the
    // only ones beside it in its row.
    const int low = LeftTopMargin_;
    int high = proposed;
    if (rightBottom_) {
        const QRect far = rightBottom_->geometry();
        const int farEdge = orientation_ == soVertical ? far.x() + far.width() : far.y() + far.height();
        const int barSize = orientation_ == soVertical ? width() : height();
        high = farEdge - barSize - RightBottomMargin_;
    }
    return clampSplit(proposed, low, high);
}

int TVexSplitter::proposedFrom(QMouseEvent* event) const
{
    return clampedPosition(startBar_ - startMouse_ + along(event->globalPosition().toPoint()));
}

void TVexSplitter::showBand(int position)
{
    if (!band_) band_ = new QRubberBand(QRubberBand::Line, parentWidget());
    if (orientation_ == soVertical)
        band_->setGeometry(position, y() + 2, width(), std::max(1, height() - 4));
    else
        band_->setGeometry(x() + 2, position, std::max(1, width() - 4), height());
    band_->show();
    band_->raise();
}

void TVexSplitter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !leftTop_) return;
    emit beginSplit(this);
    startMouse_ = along(event->globalPosition().toPoint());
    startBar_ = along(pos());
    dragging_ = true;
    showBand(startBar_);
}

void TVexSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_) showBand(proposedFrom(event));
}

void TVexSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    if (band_) band_->hide();
    const int p = proposedFrom(event);
    if (leftTop_) {
        if (orientation_ == soVertical)
            leftTop_->setFixedWidth(std::max(0, p - leftTop_->x()));
        else
            leftTop_->setFixedHeight(std::max(0, p - leftTop_->y()));
    }
    emit endSplit(this);
}

}  // namespace app
