#include "TfrmHex.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>

#include "ColourBars.h"
#include "settings/SettingsStore.h"

namespace dialogs {
namespace {
// Keeps every letter of the field in one case, as it is typed or set.
class CaseValidator final : public QValidator {
public:
    CaseValidator(bool lower, QObject* parent) : QValidator(parent), lower_(lower) {}
    State validate(QString& input, int&) const override
    {
        input = codeInTagCase(input, lower_);
        return Acceptable;
    }

private:
    bool lower_;
};
}  // namespace

TfrmHex::TfrmHex(bool lowerCase, QPoint defaultPlace, QWidget* parent)
    : TagDialog(tr("Color Finder"), "frmHex", parent), lowerCase_(lowerCase)
{
    setCentred(false);
    pnlColor_ = named(new QLabel(this), "pnlColor", tr("Color Preview"));
    pnlColor_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlColor_->setAutoFillBackground(true);
    pnlColor_->setMinimumSize(64, 48);
    txtColor_ = named(new QLineEdit(QStringLiteral("000000"), this), "txtColor", tr("Color Code in Hex"));
    txtColor_->setValidator(new CaseValidator(lowerCase, txtColor_));
    txtColor_->setFixedWidth(txtColor_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWW")) + 12);
    txtColor_->installEventFilter(this);
    auto* insert = named(new QPushButton(tr("&Insert"), this), "btnInsert", tr("Insert the hex code into editor"));
    auto* copy = named(new QPushButton(tr("&Copy"), this), "btnCopy", tr("Copy the hex code to the clipboard"));
    bars_ = new ColourBars(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(pnlColor_, 0, 0, 2, 1);
    grid->addWidget(txtColor_, 0, 1, 1, 2);
    grid->addWidget(insert, 1, 1);
    grid->addWidget(copy, 1, 2);
    grid->addWidget(bars_, 2, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(txtColor_, insert);
    setTabOrder(insert, copy);
    setTabOrder(copy, bars_->first());

    connect(bars_, &ColourBars::positionsChanged, this, &TfrmHex::barsChanged);
    connect(insert, &QPushButton::clicked, this, &TfrmHex::btnInsertClick);
    connect(copy, &QPushButton::clicked, this, &TfrmHex::btnCopyClick);
    FormCreate(defaultPlace);
    txtColor_->setFocus();
}

void TfrmHex::FormCreate(QPoint defaultPlace)
{
    const settings::SettingsStore store;
    const QPoint stored(store.read(settings::hexwin::kLeft, defaultPlace.x()),
                        store.read(settings::hexwin::kTop, defaultPlace.y()));
    // A place on a screen no longer there is no place to show the finder; it
    // stays stored for that screen until the finder is moved.
    const QPoint place = QGuiApplication::screenAt(stored) ? stored : defaultPlace;
    // The place is that of the finder's client area, written back as such:
    // a window's frame is not known before it shows, and a place taken as one
    // thing and stored as the other would creep at every opening.
    adjustSize();
    interaction::placeClient(*this, QRect(place, size()));
    place_ = {QRect(stored, size()), geometry()};
    barsChanged({});  // the field and the sample for the bars' first place
    bars_->setPositions({store.read(settings::hexwin::kRedPos), store.read(settings::hexwin::kGreenPos),
                         store.read(settings::hexwin::kBluePos)});
}

void TfrmHex::startOn(Rgb colour)
{
    bars_->setPositions(colour);
}

Rgb TfrmHex::positions() const
{
    return bars_->positions();
}

QString TfrmHex::code() const
{
    return txtColor_->text();
}

void TfrmHex::barsChanged(Rgb positions)
{
    txtColor_->setText(codeInTagCase(colourCode(positions), lowerCase_));
    QPalette palette = pnlColor_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rgbValue(positions)));
    pnlColor_->setPalette(palette);
}

bool TfrmHex::eventFilter(QObject* watched, QEvent* event)
{
    // Return in the code field reads the code; no button takes it.
    if (watched == txtColor_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtColorReturn();
            return true;
        }
    }
    return TagDialog::eventFilter(watched, event);
}

bool TfrmHex::holdsCode()
{
    if (parseColourCode(txtColor_->text())) return true;
    refuse(tr("%1 is not a colour code of six hexadecimal digits.").arg(txtColor_->text()));
    return false;
}

void TfrmHex::txtColorReturn()
{
    if (!holdsCode()) return;
    const Rgb colour = *parseColourCode(txtColor_->text());
    bars_->setPositions(colour);
    barsChanged(colour);  // also when no bar moved: the field shows the code as read
}

void TfrmHex::btnInsertClick()
{
    if (holdsCode()) accept();
}

void TfrmHex::btnCopyClick()
{
    if (!holdsCode()) return;
    txtColor_->setFocus();
    txtColor_->selectAll();
    txtColor_->copy();
    reject();
}

void TfrmHex::done(int result)
{
    settings::SettingsStore store;
    const QPoint place = place_.toStore(geometry()).topLeft();
    store.write(settings::hexwin::kLeft, place.x());
    store.write(settings::hexwin::kTop, place.y());
    const Rgb p = bars_->positions();
    store.write(settings::hexwin::kRedPos, p.red);
    store.write(settings::hexwin::kGreenPos, p.green);
    store.write(settings::hexwin::kBluePos, p.blue);
    store.close();
    TagDialog::done(result);
}

}  // namespace dialogs
