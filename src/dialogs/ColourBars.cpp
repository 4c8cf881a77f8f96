#include "ColourBars.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "TagDialog.h"

namespace dialogs {

ColourBars::ColourBars(QWidget* parent, Form form) : QWidget(parent)
{
    struct Row {
        const char *caption, *bar, *label, *barHint, *labelHint;
        QColor colour;
    };
    const Row rows[3] = {
        {"Red", "scrRed", "lblRed", "Red Value (0..255)", "Actual Red Value", QColor(0xFF0000)},
        {"Green", "scrGreen", "lblGreen", "Green Value (0..255)", "Actual Green Value", QColor(0x00FF00)},
        {"Blue", "scrBlue", "lblBlue", "Blue Value (0..255)", "Actual Blue Value", QColor(0x0000FF)},
    };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        const Row& r = rows[i];
        auto* bar = named(new QScrollBar(Qt::Horizontal, this), r.bar, tr(r.barHint));
        bar->setRange(0, kBarMaximum);
        bar->setPageStep(kBarPageStep);
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setMinimumWidth(128);
        auto* value = named(new QLabel(QStringLiteral("0"), this), r.label, tr(r.labelHint));
        QPalette palette = value->palette();
        palette.setColor(QPalette::WindowText, r.colour);
        value->setPalette(palette);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QString caption = tr(r.caption);
        grid->addWidget(labelFor(form == Form::Scheme ? caption + u':' : caption, bar, this), i, 0);
        grid->addWidget(bar, i, 1);
        grid->addWidget(value, i, 2);
        bars_[i] = bar;
        values_[i] = value;
        connect(bar, &QScrollBar::valueChanged, this, [this, value](int position) {
            value->setText(QString::number(position));
            emit positionsChanged(positions());
        });
    }
    grid->setColumnStretch(1, 1);
    last_ = bars_[2];
    if (form == Form::Scheme) return;

    auto* steps = new QHBoxLayout;
    auto button = [this, steps](const QString& caption, const char* name, const QString& hint, Rgb (*step)(Rgb)) {
        auto* b = named(new QPushButton(caption, this), name, hint);
        steps->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, step] { setPositions(step(positions())); });
        return b;
    };
    button(tr("&Darker"), "btnDarker", tr("Decrease all values"), darker);
    button(QStringLiteral("<"), "btnLittleDarker", tr("Fine tune decrease"), littleDarker)->setMaximumWidth(32);
    button(QStringLiteral(">"), "btnLittleLighter", tr("Fine tune increase"), littleLighter)->setMaximumWidth(32);
    last_ = button(tr("&Lighter"), "btnLighter", tr("Increase all Values"), lighter);
    grid->addLayout(steps, 3, 0, 1, 3);
}

Rgb ColourBars::positions() const
{
    return {bars_[0]->value(), bars_[1]->value(), bars_[2]->value()};
}

void ColourBars::setPositions(Rgb p)
{
    bars_[0]->setValue(clampPosition(p.red));
    bars_[1]->setValue(clampPosition(p.green));
    bars_[2]->setValue(clampPosition(p.blue));
}

QWidget* ColourBars::first() const
{
    return bars_[0];
}

QWidget* ColourBars::last() const
{
    return last_;
}

}  // namespace dialogs
