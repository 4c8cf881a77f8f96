// TVexSplitter: a thin bar the user drags to set the width (vertical bar) or
// height (horizontal bar) of the control on its left (or above it), kept
// within margins from the near edge and from the far edge of the control on
// the other side. While dragging, a band shows where the edge will go; the
// size is set when the button is released.
#pragma once

#include <QPointer>
#include <QWidget>

class QRubberBand;

namespace app {

// The bar position a drag may reach: at most `high`, at least `low` (low wins
// when the window is too small for both).
int clampSplit(int proposed, int low, int high);

class TVexSplitter : public QWidget {
    Q_OBJECT
public:
    enum Orientation { soVertical, soHorizontal };

    explicit TVexSplitter(QWidget* parent = nullptr);

    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation o);
    QWidget* LeftTopControl() const { return leftTop_; }
    QWidget* RightBottomControl() const { return rightBottom_; }
    // The splitter itself and the control already on the other side are refused.
    void setLeftTopControl(QWidget* control);
    void setRightBottomControl(QWidget* control);
    int LeftTopMargin() const { return LeftTopMargin_; }
    void setLeftTopMargin(int pixels) { LeftTopMargin_ = pixels; }
    int RightBottomMargin() const { return RightBottomMargin_; }
    void setRightBottomMargin(int pixels) { RightBottomMargin_ = pixels; }

    // The bar position (left or top, in the parent) a drag to `proposed` ends at.
    int clampedPosition(int proposed) const;

signals:
    void beginSplit(TVexSplitter* sender);
    void endSplit(TVexSplitter* sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int along(const QPoint& p) const { return orientation_ == soVertical ? p.x() : p.y(); }
    int proposedFrom(QMouseEvent* event) const;
    void showBand(int position);

    Orientation orientation_ = soVertical;
    QPointer<QWidget> leftTop_;
    QPointer<QWidget> rightBottom_;
    int LeftTopMargin_ = 20;
    int RightBottomMargin_ = 20;
    bool dragging_ = false;
    int startMouse_ = 0;
    int startBar_ = 0;
    QRubberBand* band_ = nullptr;
};

}  // namespace app
