// ColorGrid: the sixteen palette colours as a grid of cells (8 by 2 in the
// Options dialog, one row of 16 on a toolbar), in the palette order of
// markup::paletteCode. One cell may be selected, or none; the mouse and the
// arrow keys select, and every change of the selection is signalled. A grid
// that does not select (the toolbar's) only reports its clicks.
#pragma once

#include <QColor>
#include <QWidget>

namespace dialogs {

class ColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit ColorGrid(int columns = 8, QWidget* parent = nullptr);

    static constexpr int kCellCount = 16;
    int columns() const { return columns_; }
    int rows() const { return (kCellCount + columns_ - 1) / columns_; }

    // The selected cell, or -1 for none. An index outside 0..15 selects none.
    int selectedIndex() const { return selected_; }
    void setSelectedIndex(int index);
    static QColor colourAt(int index);  // the palette colour; black outside 0..15

    // Whether clicks and keys select a cell (the default).
    void setSelecting(bool on) { selecting_ = on; }

    // The cell under a point of the widget, or -1.
    int cellAt(const QPoint& pos) const;
    QRect cellRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The selection changed, by the user or by setSelectedIndex.
    void selectedChanged(int index);
    // A cell was clicked with `button` (the selection follows a left click).
    void cellClicked(int index, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int columns_;
    int selected_ = -1;
    bool selecting_ = true;
};

}  // namespace dialogs
