// ColourBars: the mixer's controls, shared by the font dialog's custom colour,
// the colour finder and the new-document dialog: a red, a green and a blue bar
// (0 to 255, 15 a page) each with its value beside it in its own colour, and
// (in the mixer form) the "&Darker", "<", ">" and "&Lighter" buttons that move
// all three (rules in ColourMixer).
#pragma once

#include <QWidget>

#include "ColourMixer.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace dialogs {

class ColourBars : public QWidget {
    Q_OBJECT
public:
    // Mixer: captions "Red", "Green", "Blue" and the four step buttons.
    // Scheme (the new-document dialog): captions "Red:", "Green:", "Blue:", no steps.
    enum class Form { Mixer, Scheme };
    explicit ColourBars(QWidget* parent = nullptr, Form form = Form::Mixer);

    Rgb positions() const;
    // Moves the bars (each kept within 0..255); every bar that moves reports it.
    void setPositions(Rgb positions);

    QScrollBar* bar(int index) const { return bars_[index]; }  // 0 red, 1 green, 2 blue
    // The first and last control in tab order.
    QWidget* first() const;
    QWidget* last() const;

signals:
    // A bar moved, by the author or by setPositions.
    void positionsChanged(dialogs::Rgb positions);

private:
    QScrollBar* bars_[3] = {};
    QLabel* values_[3] = {};
    QWidget* last_ = nullptr;
};

}  // namespace dialogs
