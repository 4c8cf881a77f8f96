#include "TfrmFonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ColorGrid.h"
#include "ColourBars.h"
#include "markup/Palette.h"
#include "settings/SettingsStore.h"

namespace dialogs {
namespace {
QLabel* panel(const QString& caption, const char* name, const QString& hint, QWidget* parent)
{
    auto* label = named(new QLabel(caption, parent), name, hint);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
void setRole(QWidget* w, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = w->palette();
    palette.setColor(role, colour);
    w->setPalette(palette);
}
}  // namespace

TfrmFonts::TfrmFonts(std::string_view document, bool lowerCase, QWidget* parent)
    : TagDialog(tr("Font"), "frmFonts", parent), lowerCase_(lowerCase)
{
    auto* left = new QWidget(this);
    cmbSize_ = editableDropDown("cmbSize", tr("Size of the text"), fontSizeItems(), left);
    txtFontFace_ = named(new QLineEdit(left), "txtFontFace", tr("Name of font for displaying text"));
    chkColor_ =
        named(new QCheckBox(tr("&Color"), left), "chkColor", tr("Un-check to ignore color property of font tag"));
    colourStack_ = named(new QStackedWidget(left), "pnlColour");
    auto* colours = new QWidget(colourStack_);
    FontClr_ = named(new ColorGrid(ColorGrid::kCellCount, colours), "FontClr", tr("Simple Colors"));
    FontClr_->setFixedSize(FontClr_->minimumSizeHint().width() + ColorGrid::kCellCount * 2, 20);
    pnlPreview_ = panel(QStringLiteral("000000"), "pnlPreview", tr("Hex Code for specified Color"), colours);
    pnlPreview_->setMinimumWidth(pnlPreview_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 8);
    auto* colourRow = new QHBoxLayout(colours);
    colourRow->setContentsMargins(0, 0, 0, 0);
    colourRow->addWidget(FontClr_);
    colourRow->addWidget(pnlPreview_, 1);
    pnlNone_ = panel(tr("No Change"), "pnlNone", {}, colourStack_);
    colourStack_->addWidget(colours);
    colourStack_->addWidget(pnlNone_);
    colourStack_->setFixedHeight(26);
    btnCustom_ =
        named(new QPushButton(QStringLiteral(">"), left), "btnCustom", tr("Show or hide the custom color options"));
    btnCustom_->setFixedWidth(28);

    auto* leftGrid = new QGridLayout(left);
    leftGrid->setContentsMargins(0, 0, 0, 0);
    leftGrid->addWidget(labelFor(tr("&Size:"), cmbSize_, left), 0, 0);
    leftGrid->addWidget(cmbSize_, 0, 1);
    leftGrid->addWidget(labelFor(tr("&Face:"), txtFontFace_, left), 0, 2);
    leftGrid->addWidget(txtFontFace_, 0, 3, 1, 2);
    leftGrid->addWidget(chkColor_, 1, 0, 1, 5);
    leftGrid->addWidget(colourStack_, 2, 0, 1, 4);
    leftGrid->addWidget(btnCustom_, 2, 4);
    leftGrid->setColumnStretch(3, 1);
    leftGrid->setRowStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(buttons, "btnOK", "btnCancel");
    leftGrid->addLayout(buttons, 4, 0, 1, 5);

    grpCustom_ = named(new QGroupBox(tr("Custom Font Color"), this), "grpCustom");
    pnlCustomPreview_ =
        panel(tr("Sample Text"), "pnlCustomPreview", tr("Preview of what text will look like"), grpCustom_);
    QFont serif(QStringLiteral("serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(font().pointSizeF() * 1.4);
    pnlCustomPreview_->setFont(serif);
    bars_ = new ColourBars(grpCustom_);
    btnApply_ =
        named(new QPushButton(tr("&Apply"), grpCustom_), "btnApply", tr("Use this color when OK button is selected"));
    auto* custom = new QVBoxLayout(grpCustom_);
    custom->addWidget(pnlCustomPreview_, 1);
    custom->addWidget(bars_);
    custom->addWidget(btnApply_, 0, Qt::AlignRight);

    auto* row = new QHBoxLayout(this);
    row->addWidget(left);
    row->addWidget(grpCustom_);
    // Widths as designed, grown where the fonts need more.
    const QMargins m = row->contentsMargins();
    const int leftWidth = std::max(left->sizeHint().width(), kFoldedInWidth - m.left() - m.right());
    left->setFixedWidth(leftWidth);
    // Folded out, the dialog is as tall as the custom colour needs.
    in_ = QSize(leftWidth + m.left() + m.right(), left->sizeHint().height() + m.top() + m.bottom());
    out_ =
        QSize(in_.width() + std::max(kFoldedOutWidth - kFoldedInWidth, row->spacing() + grpCustom_->sizeHint().width()),
              std::max(in_.height(), grpCustom_->sizeHint().height() + m.top() + m.bottom()));

    QWidget* order[] = {cmbSize_, txtFontFace_, chkColor_,      FontClr_,      btnCustom_,
                        btnOK_,   btnCancel_,   bars_->first(), bars_->last(), btnApply_};
    for (size_t i = 1; i < std::size(order); ++i)
        if (order[i - 1] != bars_->first()) setTabOrder(order[i - 1], order[i]);

    connect(chkColor_, &QCheckBox::toggled, this, &TfrmFonts::chkColorClick);
    connect(FontClr_, &ColorGrid::selectedChanged, this, [this](int index) {
        if (index >= 0) FontClrClick(index);
    });
    connect(FontClr_, &ColorGrid::cellClicked, this, [this](int index, Qt::MouseButton button) {
        if (button == Qt::LeftButton) FontClrClick(index);
    });
    connect(bars_, &ColourBars::positionsChanged, this, &TfrmFonts::barsChanged);
    connect(btnCustom_, &QPushButton::clicked, this, &TfrmFonts::btnCustomClick);
    connect(btnApply_, &QPushButton::clicked, this, &TfrmFonts::btnApplyClick);

    FormCreate(document);
    cmbSize_->setFocus();
}

void TfrmFonts::FormCreate(std::string_view document)
{
    fold(false, false);
    const settings::SettingsStore store;
    const int size = store.read(settings::fonts::kLastSize);
    cmbSize_->setCurrentIndex(size >= 0 && size < cmbSize_->count() ? size : -1);
    const QString code = validCodeOr(store.read(settings::fonts::kLastColour), settings::fonts::kLastColour.def);
    txtFontFace_->setText(store.read(settings::fonts::kLastFace));
    chkColor_->setChecked(store.read(settings::fonts::kColours));
    bars_->setPositions({store.read(settings::fonts::kRedPos), store.read(settings::fonts::kGreenPos),
                         store.read(settings::fonts::kBluePos)});
    // The previews take the stored custom colour, the caption the stored code.
    recomputeCustomColour();
    pnlPreview_->setText(code);
    for (int i = 0; i < markup::kPaletteSize; ++i)
        if (code == QLatin1String(markup::paletteCode(i))) FontClr_->setSelectedIndex(i);
    // Samples show on the page's own background; a page colour that is not a
    // colour code leaves the usual background.
    if (const auto page = pageBackground(document)) {
        for (QWidget* w : {static_cast<QWidget*>(pnlPreview_), static_cast<QWidget*>(pnlCustomPreview_)})
            setRole(w, QPalette::Window, QColor::fromRgb(rgbValue(*page)));
    }
    chkColorClick();
}

FontFields TfrmFonts::fields() const
{
    return {cmbSize_->currentText(), chkColor_->isChecked(), pnlPreview_->text(), txtFontFace_->text()};
}

void TfrmFonts::chkColorClick()
{
    const bool on = chkColor_->isChecked();
    colourStack_->setCurrentWidget(on ? colourStack_->widget(0) : pnlNone_);
    btnCustom_->setEnabled(on);
    // Switched off while folded out: folded in where it stands.
    if (!on && foldedOut_) fold(false, false);
}

void TfrmFonts::FontClrClick(int index)
{
    pnlPreview_->setText(QString::fromLatin1(markup::paletteCode(index)));
    setSampleColour(ColorGrid::colourAt(index));
}

void TfrmFonts::barsChanged()
{
    if (foldedOut_) recomputeCustomColour();
}

void TfrmFonts::recomputeCustomColour()
{
    const Rgb positions = bars_->positions();
    pnlPreview_->setText(colourCode(positions));
    setSampleColour(QColor::fromRgb(rgbValue(positions)));
    FontClr_->setSelectedIndex(-1);
}

void TfrmFonts::setSampleColour(QColor colour)
{
    setRole(pnlPreview_, QPalette::WindowText, colour);
    setRole(pnlCustomPreview_, QPalette::WindowText, colour);
}

void TfrmFonts::btnCustomClick()
{
    fold(!foldedOut_, true);
}

void TfrmFonts::btnApplyClick()
{
    recomputeCustomColour();
    fold(false, true);
}

void TfrmFonts::fold(bool out, bool move)
{
    const int before = width();
    foldedOut_ = out;
    grpCustom_->setVisible(out);
    setFixedSize(out ? out_ : in_);
    btnCustom_->setText(out ? QStringLiteral("<") : QStringLiteral(">"));
    // Growing or shrinking about the centre: folding out moves the dialog left
    // by half what it gains, folding in moves it back.
    if (move && isVisible()) this->move(x() - (width() - before) / 2, y());
    if (!out && grpCustom_->isAncestorOf(focusWidget())) btnCustom_->setFocus();
}

void TfrmFonts::btnOKClick()
{
    const FontFields f = fields();
    tag_ = fontTag(f, lowerCase_);
    if (tag_.empty()) return reject();
    settings::SettingsStore store;
    store.write(settings::fonts::kLastSize, fontSizeItems().indexOf(f.size));
    store.write(settings::fonts::kLastColour, f.code);
    store.write(settings::fonts::kLastFace, f.face);
    store.write(settings::fonts::kColours, f.colour);
    const Rgb p = bars_->positions();
    store.write(settings::fonts::kRedPos, p.red);
    store.write(settings::fonts::kGreenPos, p.green);
    store.write(settings::fonts::kBluePos, p.blue);
    store.close();
    accept();
}

}  // namespace dialogs
