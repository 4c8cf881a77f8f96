#include "TfrmNew.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QVBoxLayout>

#include "dialogs/ColorGrid.h"
#include "dialogs/ColourBars.h"
#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"
#include "markup/Palette.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace generators {
namespace {
using dialogs::named;

void setRole(QWidget* w, QPalette::ColorRole role, const QString& code)
{
    QPalette palette = w->palette();
    palette.setColor(role, QColor::fromRgb(dialogs::rgbValue(*dialogs::parseColourCode(code))));
    w->setPalette(palette);
}

// A key that edits the custom path (not one that leaves the field or closes
// the dialog, nor a modifier alone).
bool editsField(const QKeyEvent& key)
{
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false;
        default:
            return true;
    }
}
}  // namespace

TfrmNew::TfrmNew(QWidget* parent) : TfrmNew(readNewDialogFields(settings::SettingsStore()), parent) {}

TfrmNew::TfrmNew(const NewDialogFields& stored, QWidget* parent)
    : TagDialog(tr("New HTML Document"), "frmNew", parent), scheme_(stored.colours)
{
    auto* grpScheme = new QGroupBox(tr("Color Scheme"), this);
    cmbPart_ =
        named(new QComboBox(grpScheme), "cmbPart", tr("Choose item to configure from list, or click on it below"));
    cmbPart_->addItems({tr("Background Color"), tr("Text Color"), tr("Anchor Text Color"),
                        tr("Visted Anchor Text Color"), tr("Active Anchor Text Color")});
    ColorBar_ = named(new dialogs::ColorGrid(dialogs::ColorGrid::kCellCount, grpScheme), "ColorBar");
    bars_ = new dialogs::ColourBars(grpScheme, dialogs::ColourBars::Form::Scheme);
    bgcolor_ = named(new QFrame(grpScheme), "bgcolor");
    bgcolor_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bgcolor_->setAutoFillBackground(true);
    bgcolor_->installEventFilter(this);
    auto* preview = new QVBoxLayout(bgcolor_);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(13);
    const struct {
        const char *name, *text, *hint;
    } samples[] = {
        {"text", "This is regular text", "Color of normal text"},
        {"link", "This is anchor text", "Color of text that are links"},
        {"vlink", "This is visited anchor text", "Color of links that have already been visited"},
        {"alink", "This is active anchor text", "Color of links when they are clicked with the mouse"},
    };
    for (int part = Text; part < kParts; ++part) {
        auto* label =
            named(new QLabel(tr(samples[part - 1].text), bgcolor_), samples[part - 1].name, tr(samples[part - 1].hint));
        QFont f = serif;
        f.setUnderline(part != Text);
        label->setFont(f);
        label->installEventFilter(this);
        preview->addWidget(label);
        samples_[part] = label;
    }
    auto* scheme = new QVBoxLayout(grpScheme);
    scheme->addWidget(cmbPart_);
    scheme->addWidget(ColorBar_);
    scheme->addWidget(bars_);
    scheme->addWidget(bgcolor_, 1);

    auto* grpTemplate = new QGroupBox(tr("Document Template"), this);
    const struct {
        const char *name, *caption, *hint;
    } radios[] = {
        {"optBlank", "&Blank Document", "Start document with no text"},
        {"optNormal", "&Normal", "Starts with DTD, simple heading, and body"},
        {"optFrames", "&Frames", "Starts with DTD, simple heading, frameset"},
        {"optCustom", "", "Starts with HTML file of your choice"},
    };
    for (int t = 0; t < kTemplates; ++t) {
        radios_[t] = named(new QRadioButton(tr(radios[t].caption), grpTemplate), radios[t].name, tr(radios[t].hint));
        // One stop of Tab for the group: the chosen radio; arrows move within.
        connect(radios_[t], &QRadioButton::toggled, this,
                [r = radios_[t]](bool on) { r->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); });
    }
    txtCustom_ = dialogs::textField("txtCustom", tr("Path to HTML file"), grpTemplate);
    txtCustom_->installEventFilter(this);
    auto* btnCustom = named(new QPushButton(QStringLiteral("..."), grpTemplate), "btnCustom",
                            tr("Browse for your custom template file"));
    QFont bold = btnCustom->font();
    bold.setBold(true);
    btnCustom->setFont(bold);
    btnCustom->setFixedWidth(btnCustom->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    txtBgImage_ = dialogs::textField("txtBgImage", tr("Image to include as background in body tag"), grpTemplate);
    txtDocType_ = dialogs::textField("txtDocType", tr("Document Type Declaration"), grpTemplate);
    // Wide enough for the default declaration, and a path in the home folder.
    const int fieldWidth = txtDocType_->fontMetrics().horizontalAdvance(settings::document::kDtdInDialog.def) + 16;
    for (QLineEdit* field : {txtCustom_, txtBgImage_, txtDocType_}) field->setMinimumWidth(fieldWidth);
    auto* templ = new QGridLayout(grpTemplate);
    for (int t = Blank; t < Custom; ++t) templ->addWidget(radios_[t], t, 0, 1, 3);
    templ->addWidget(radios_[Custom], Custom, 0);
    templ->addWidget(txtCustom_, Custom, 1);
    templ->addWidget(btnCustom, Custom, 2);
    templ->addWidget(new QLabel(tr("Background Image:"), grpTemplate), 4, 0, 1, 3);
    templ->addWidget(txtBgImage_, 5, 0, 1, 3);
    templ->addWidget(new QLabel(tr("Document Type Declaration"), grpTemplate), 6, 0, 1, 3);
    templ->addWidget(txtDocType_, 7, 0, 1, 3);
    templ->setColumnStretch(1, 1);
    templ->setRowStretch(8, 1);

    auto* btnRestore = named(new QPushButton(tr("Restore to Default Colors"), this), "btnRestore");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnRestore);
    buttons->addStretch();
    addOkCancel(buttons, "btnOk", "btnCancel");
    auto* grid = new QGridLayout(this);
    grid->addWidget(grpScheme, 0, 0);
    grid->addWidget(grpTemplate, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // On a small or scaled screen the three fields give up the width the
    // dialog lacks (their text scrolls), so that OK and Cancel stay on it.
    ensurePolished();
    const int excess = sizeHint().width() - interaction::roomOnScreen(*this).width();
    if (excess > 0)
        for (QLineEdit* field : {txtCustom_, txtBgImage_, txtDocType_})
            field->setMinimumWidth(std::max(fieldWidth - excess, field->minimumSizeHint().width()));

    QWidget* order[] = {cmbPart_,        ColorBar_,       bars_->first(),  bars_->bar(1), bars_->last(), radios_[Blank],
                        radios_[Normal], radios_[Frames], radios_[Custom], txtCustom_,    btnCustom,     txtBgImage_,
                        txtDocType_,     btnRestore,      btnOK_,          btnCancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(cmbPart_, &QComboBox::currentIndexChanged, this, [this](int part) {
        if (!showing_) scheme_.selectPart(part);
    });
    auto pickPalette = [this](int index) {
        if (showing_ || index < 0) return;
        scheme_.pickPalette(index);
        showScheme();
    };
    connect(ColorBar_, &dialogs::ColorGrid::selectedChanged, this, pickPalette);
    connect(ColorBar_, &dialogs::ColorGrid::cellClicked, this, [pickPalette](int index, Qt::MouseButton button) {
        if (button == Qt::LeftButton) pickPalette(index);
    });
    connect(bars_, &dialogs::ColourBars::positionsChanged, this, [this](dialogs::Rgb positions) {
        if (showing_) return;
        scheme_.moveBars(positions);
        showScheme();
    });
    connect(btnRestore, &QPushButton::clicked, this, &TfrmNew::btnRestoreClick);
    connect(btnCustom, &QPushButton::clicked, this, &TfrmNew::btnCustomClick);

    FormCreate(stored);
}

void TfrmNew::FormCreate(const NewDialogFields& f)
{
    txtBgImage_->setText(f.bgImage);
    txtDocType_->setText(f.dtd);
    txtCustom_->setText(f.customFile);
    for (QRadioButton* r : radios_) r->setFocusPolicy(Qt::ClickFocus);
    chooseTemplate(f.templateNo);
    showScheme();
    // Return at once is OK: the first focus is on the chosen template.
    radios_[f.templateNo]->setFocus();
}

NewDialogFields TfrmNew::fields() const
{
    NewDialogFields f;
    f.colours = scheme_.codes();
    f.bgImage = txtBgImage_->text();
    f.dtd = txtDocType_->text();
    f.customFile = txtCustom_->text();
    for (int t = 0; t < kTemplates; ++t)
        if (radios_[t]->isChecked()) f.templateNo = t;
    return f;
}

void TfrmNew::chooseTemplate(int templateNo)
{
    radios_[templateNo]->setChecked(true);
}

void TfrmNew::showScheme()
{
    const QScopedValueRollback guard(showing_, true);
    cmbPart_->setCurrentIndex(scheme_.selectedPart());
    bars_->setPositions(scheme_.bars());
    // The palette marks its square when the bars show one of its colours.
    const unsigned rgb = dialogs::rgbValue(scheme_.bars());
    int square = -1;
    for (int i = 0; i < markup::kPaletteSize && square < 0; ++i)
        if (markup::paletteRgb(i) == rgb) square = i;
    ColorBar_->setSelectedIndex(square);
    setRole(bgcolor_, QPalette::Window, scheme_.codes()[Background]);
    for (int part = Text; part < kParts; ++part) setRole(samples_[part], QPalette::WindowText, scheme_.codes()[part]);
}

bool TfrmNew::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int part = Background; part < kParts; ++part) {
            if (watched != (part == Background ? static_cast<QObject*>(bgcolor_) : samples_[part])) continue;
            scheme_.pickPart(part);
            showScheme();
            return true;  // a sample's click is not the panel's too
        }
    }
    if (watched == txtCustom_ && event->type() == QEvent::KeyPress && editsField(*static_cast<QKeyEvent*>(event)))
        chooseTemplate(Custom);
    return TagDialog::eventFilter(watched, event);
}

void TfrmNew::btnRestoreClick()
{
    scheme_.restoreDefaults();
    showScheme();
}

void TfrmNew::btnCustomClick()
{
    const QFileInfo now(txtCustom_->text());
    const QString folder = now.absoluteDir().exists() ? now.absolutePath() : settings::homeFolder();
    const QString chosen = interaction::ui().openFileName(
        tr("Custom Template File"), folder, {tr("Text (*.html *.htm *.shtml *.txt *.map)"), tr("All files (*)")});
    // Browsing does not choose the custom template; a key in the field does.
    if (!chosen.isEmpty()) txtCustom_->setText(chosen);
}

void TfrmNew::btnOKClick()
{
    settings::SettingsStore store;
    storeConfirmed(store, fields());
    store.close();
    accept();
}

void TfrmNew::reject()
{
    // Cancel and Esc choose the blank document; the close box chooses nothing.
    if (!closing_) {
        settings::SettingsStore store;
        storeCancelled(store);
    }
    TagDialog::reject();
}

void TfrmNew::showEvent(QShowEvent* event)
{
    TagDialog::showEvent(event);
    // The first focus is shown as the keyboard's, so that the arrows are seen to move it.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void TfrmNew::closeEvent(QCloseEvent* event)
{
    const QScopedValueRollback guard(closing_, true);
    TagDialog::closeEvent(event);
}

}  // namespace generators
