// The Options dialog: its seven pages, the keys that move between them, the
// browse buttons and the sample of the tag colour.
#include "TfrmOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ColorGrid.h"
#include "MultiLineField.h"
#include "TagDialog.h"
#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"
#include "markup/Snippets.h"
#include "settings/SettingsStore.h"
#include "settings/Themes.h"

namespace dialogs {
namespace {

constexpr int kSnippetLimit = 1024;
// The client area the dialog was laid out for; it grows where the fonts need.
constexpr QSize kLeastSize{498, 288};

QLineEdit* lineEdit(const char* name, const QString& hint, QWidget* parent)
{
    return named(new QLineEdit(parent), name, hint);
}

QPushButton* browseButton(const char* name, QWidget* parent)
{
    auto* button = named(new QPushButton(QStringLiteral("..."), parent), name, TfrmOptions::tr("Browse for program"));
    button->setAutoDefault(false);
    const int side = button->fontMetrics().height() + 10;
    button->setFixedWidth(side + 6);
    return button;
}

}  // namespace

TfrmOptions::TfrmOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Quillon Pro Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    pages_ = named(new QTabWidget(this), "PageControl1");
    pages_->setElideMode(Qt::ElideNone);
    layout->addWidget(pages_);
    addPage(buildGeneralPage(), tr("&General Options"), txtSideMask_);
    addPage(buildUserPage(), tr("&User Info"), txtName_);
    addPage(buildStampPage(), tr("Update &Stamp"), chkUpdate_);
    addPage(buildQuickPage(tr("When \"Quick Table\" is used, it will insert the following:"), "txtQuickTable"),
            tr("Quick &Table"), txtQuickTable_);
    addPage(buildQuickPage(tr("When \"Quick Style\" is used, it will insert the following:"), "txtQuickStyle"),
            tr("Quick St&yle"), txtQuickStyle_);
    addPage(buildQuickPage(tr("When \"Quick Script\" is used, it will insert the following:"), "txtQuickScript"),
            tr("Quick Sc&ript"), txtQuickScript_);
    addPage(buildToolsPage(), tr("Too&ls"), optNetscape_);
    addPage(buildKeysPage(), tr("Keys and The&me"), cmbKeySet_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnOK_ = named(new QPushButton(tr("OK"), this), "btnOK");
    btnCancel_ = named(new QPushButton(tr("Cancel"), this), "btnCancel");
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    layout->addLayout(buttons);
    // Made default only now that the button belongs to the dialog: a button
    // made default before it has its dialog is not the one Return presses.
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmOptions::btnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);  // Esc rejects as well

    connect(pages_, &QTabWidget::currentChanged, this, &TfrmOptions::pageChanged);

    FormCreate();
    pages_->setCurrentIndex(0);
    txtSideMask_->setFocus();
    // Sized once the style has measured every page and tab, within the
    // screen; not resizable afterwards. Where the screen is narrower than the
    // tabs, they scroll (whole) rather than push OK and Cancel off it.
    ensurePolished();
    pages_->setUsesScrollButtons(false);
    const QSize natural = sizeHint().expandedTo(kLeastSize);
    pages_->setUsesScrollButtons(true);
    pages_->updateGeometry();  // its least size, with the tabs scrolling
    setFixedSize(natural.boundedTo(interaction::roomOnScreen(*this)).expandedTo(minimumSizeHint()));
}

void TfrmOptions::addPage(QWidget* page, const QString& caption, QWidget* firstField)
{
    pages_->addTab(page, caption);
    firstField_[page] = firstField;
}

QWidget* TfrmOptions::buildGeneralPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    txtSideMask_ = lineEdit(
        "txtSideMask", tr("Choose which file types the side list shows, seperate extensions with semi-colon"), page);
    grid->addWidget(labelFor(tr("Side &View Files Filter:"), txtSideMask_, page), 0, 0);
    grid->addWidget(txtSideMask_, 0, 1);

    cmbBgSide_ = named(new QComboBox(page), "cmbBgSide", tr("Color of Drive, Directory, and File List Boxes"));
    cmbBgSide_->addItems({tr("Normal Window Color"), tr("Shade 1"), tr("Shade 2")});
    grid->addWidget(labelFor(tr("Side View Color"), cmbBgSide_, page), 1, 0);
    grid->addWidget(cmbBgSide_, 1, 1, Qt::AlignLeft);

    chkCase_ = named(new QCheckBox(tr("Use lo&wer case tags"), page), "chkCase",
                     tr("Toggle between using upper or lower case tags"));
    chkFullCellTag_ = named(new QCheckBox(tr("Use extended tag syntax for Table Cells"), page), "chkFullCellTag",
                            tr("Use full syntax or just <TD>"));
    chkKeepSel_ = named(new QCheckBox(tr("&Keep selection highlighted after performing actions"), page), "chkKeepSel",
                        tr("Selected text will remain highlighted after performing format and custom actions"));
    grid->addWidget(chkCase_, 2, 0, 1, 2);
    grid->addWidget(chkFullCellTag_, 3, 0, 1, 2);
    grid->addWidget(chkKeepSel_, 4, 0, 1, 2);
    chkCloseTags_ = named(new QCheckBox(tr("Complete the end tag when I type \"</\""), page), "chkCloseTags",
                          tr("Typing \"</\" writes the end tag of the element still open"));
    grid->addWidget(chkCloseTags_, 10, 0, 1, 2);

    txtPreImage_ = lineEdit(
        "txtPreImage", tr("Any text here will be placed before the image file name when dragged and dropped"), page);
    grid->addWidget(labelFor(tr("When dropping images into editor, precede image file name with:"), txtPreImage_, page),
                    5, 0, 1, 2);
    grid->addWidget(txtPreImage_, 6, 0, 1, 2);

    SyntaxClrBar_ = named(new ColorGrid(8, page), "SyntaxClrBar", tr("Color to use for Syntax Highlighting"));
    grid->addWidget(labelFor(tr("Syntax &Highlight Color:"), SyntaxClrBar_, page), 7, 0, 1, 2);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(SyntaxClrBar_);
    // The sample sits on a sunken panel of the window colour, like the editor.
    auto* panel = named(new QFrame(page), "pnlSyntax");
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);
    auto* panelLayout = new QHBoxLayout(panel);
    lblSyntax_ = named(new QLabel(QStringLiteral("<Sample Text>"), panel), "lblSyntax");
    lblSyntax_->setTextFormat(Qt::PlainText);
    lblSyntax_->setAlignment(Qt::AlignCenter);
    // On the panel's Base background a label paints in the Text colour; the
    // sample is coloured through WindowText.
    lblSyntax_->setForegroundRole(QPalette::WindowText);
    panelLayout->addWidget(lblSyntax_);
    colourRow->addWidget(panel, 1);
    grid->addLayout(colourRow, 8, 0, 1, 2);
    connect(SyntaxClrBar_, &ColorGrid::selectedChanged, this, &TfrmOptions::SyntaxClrBarClick);
    lblContrast_ = named(new QLabel(page), "lblContrast");
    lblContrast_->setWordWrap(true);
    lblContrast_->hide();
    grid->addWidget(lblContrast_, 9, 0, 1, 2);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(11, 1);
    return page;
}

QWidget* TfrmOptions::buildUserPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto add = [&](QWidget* field, const QString& label) { form->addRow(labelFor(label, field, page), field); };

    txtName_ = lineEdit("txtName", tr("Your full name or company name"), page);
    add(txtName_, tr("&Name"));
    txtAddress_ = named(new MultiLineField(page), "txtAddress", tr("Street address"));
    txtAddress_->setFixedHeight(txtAddress_->fontMetrics().lineSpacing() * 3 + 12);
    add(txtAddress_, tr("&Address"));
    txtPhone_ = lineEdit("txtPhone", tr("Voice phone number"), page);
    add(txtPhone_, tr("&Phone Number"));
    txtFax_ = lineEdit("txtFax", tr("Fax number"), page);
    add(txtFax_, tr("&Fax Number"));
    txtMailAddr_ = lineEdit("txtMailAddr", tr("E-Mail address"), page);
    add(txtMailAddr_, tr("&E-Mail Address"));
    txtURL_ = lineEdit("txtURL", tr("Address (URL) for Web Site"), page);
    add(txtURL_, tr("Y&our URL"));
    return page;
}

QWidget* TfrmOptions::buildStampPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);

    chkUpdate_ = named(new QCheckBox(tr("&Insert Update Stamp as comment"), page), "chkUpdate",
                       tr("Toggle displaying Update Stamp on page or as a comment"));
    column->addWidget(chkUpdate_);
    txtPreCustomStr_ = lineEdit("txtPreCustomStr", tr("Any text here will precede the time stamp"), page);
    column->addWidget(labelFor(tr("Precede the Time Stamp with the below text"), txtPreCustomStr_, page));
    column->addWidget(txtPreCustomStr_);
    txtCustomStr_ = lineEdit("txtCustomStr", tr("Any text here will be appended to the time stamp"), page);
    column->addWidget(labelFor(tr("Append the Time Stamp with the below text"), txtCustomStr_, page));
    column->addWidget(txtCustomStr_);

    auto* formats = named(new QGroupBox(tr("Use this time format:"), page), "grpTimeFormat");
    auto* grid = new QGridLayout(formats);
    timeFormats_ = new QButtonGroup(this);
    const QDateTime now = QDateTime::currentDateTime();
    for (int format = 1; format <= kTimeFormatCount; ++format) {
        const QByteArray name = "optTime" + QByteArray::number(format);
        auto* option = named(new QRadioButton(timeCaption(format, now), formats), name.constData(),
                             tr("Format to use when inserting the time into update stamp"));
        timeFormats_->addButton(option, format);
        grid->addWidget(option, (format - 1) / 2, (format - 1) % 2);
    }
    column->addWidget(formats);
    column->addStretch();
    return page;
}

QWidget* TfrmOptions::buildQuickPage(const QString& label, const char* name)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* field = named(new MultiLineField(page), name, tr("Customize the behavior of \"Quick Table\""));
    field->setMaxLength(kSnippetLimit);
    column->addWidget(labelFor(label, field, page));
    column->addWidget(field, 1);
    if (!txtQuickTable_)
        txtQuickTable_ = field;
    else if (!txtQuickStyle_)
        txtQuickStyle_ = field;
    else
        txtQuickScript_ = field;
    return page;
}

QWidget* TfrmOptions::buildToolsPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);

    auto* browser = named(new QGroupBox(tr("Preferred Web Browser"), page), "grpBrowser");
    auto* browserGrid = new QGridLayout(browser);
    // Named by what they do: the stored values ("netscape", "microsoft") are
    // the names of the two kinds of browser the first editors drove.
    optNetscape_ = named(new QRadioButton(tr("&Default browser, or the program below:"), browser), "optNetscape",
                         tr("Opens the page with your desktop's web browser, or the program below"));
    txtBrowser_ =
        lineEdit("txtBrowser", tr("The program that opens the page (xdg-open: the desktop's browser)"), browser);
    btnBrowseBrowser_ = browseButton("btnBrowseBrowser", browser);
    optMicrosoft_ =
        named(new QRadioButton(tr("&Chromium browser, kept open and reloaded in place"), browser), "optMicrosoft",
              tr("Opens the page in a Chromium-family browser that the editor reuses and reloads"));
    browserGrid->addWidget(optNetscape_, 0, 0, 1, 2);
    browserGrid->addWidget(txtBrowser_, 1, 0);
    browserGrid->addWidget(btnBrowseBrowser_, 1, 1);
    browserGrid->addWidget(optMicrosoft_, 2, 0, 1, 2);
    browserGrid->setColumnStretch(0, 1);
    column->addWidget(browser);
    connect(optMicrosoft_, &QRadioButton::toggled, this, &TfrmOptions::updateBrowserFields);
    connect(btnBrowseBrowser_, &QPushButton::clicked, this, [this] { browseProgram(txtBrowser_); });

    auto* tools = new QGridLayout;
    const char* pathNames[] = {"txtUserTool1", "txtUserTool2", "txtUserTool3"};
    const char* nameNames[] = {"txtUser1Name", "txtUser2Name", "txtUser3Name"};
    const char* buttonNames[] = {"BrowseUser1", "BrowseUser2", "BrowseUser3"};
    for (int i = 0; i < 3; ++i) {
        const int row = i * 2;
        const QString number = QString::number(i + 1);
        txtUserTool_[i] = lineEdit(
            pathNames[i], tr("Path to your choice of program #%1 that launches from the Tools menu").arg(number), page);
        auto* browse = browseButton(buttonNames[i], page);
        txtUserName_[i] = lineEdit(nameNames[i], tr("Name of defined tool"), page);
        txtUserName_[i]->setMaximumWidth(150);
        tools->addWidget(labelFor(tr("User Defined Tool %1:").arg(number), txtUserTool_[i], page), row, 0, 1, 2);
        tools->addWidget(labelFor(tr("Name:"), txtUserName_[i], page), row, 3);
        tools->addWidget(txtUserTool_[i], row + 1, 0);
        tools->addWidget(browse, row + 1, 1);
        tools->addWidget(txtUserName_[i], row + 1, 3);
        QLineEdit* field = txtUserTool_[i];
        connect(browse, &QPushButton::clicked, this, [this, field] { browseProgram(field); });
    }
    tools->setColumnStretch(0, 1);
    tools->setColumnMinimumWidth(2, 8);
    column->addLayout(tools);
    column->addStretch();
    return page;
}

QWidget* TfrmOptions::buildKeysPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    cmbKeySet_ = named(new QComboBox(page), "cmbKeySet", tr("The keys of the menus and shortcuts"));
    cmbKeySet_->addItems({tr("Classic"), tr("Desktop")});
    form->addRow(labelFor(tr("Key&board shortcuts:"), cmbKeySet_, page), cmbKeySet_);
    cmbTheme_ = named(new QComboBox(page), "cmbTheme", tr("The editor's colours"));
    cmbTheme_->addItems({tr("Classic light"), tr("Dark"), tr("Follow the desktop")});
    form->addRow(labelFor(tr("Te&xt colours:"), cmbTheme_, page), cmbTheme_);
    chkLiveColour_ = named(new QCheckBox(tr("Colour the whole page as I type"), page), "chkLiveColour",
                           tr("Tags, attributes, values, comments, entities, style sheets and scripts in colour"));
    form->addRow(chkLiveColour_);
    connect(cmbTheme_, &QComboBox::currentIndexChanged, this, &TfrmOptions::updateContrastWarning);
    return page;
}

QString TfrmOptions::timeCaption(int format, const QDateTime& when)
{
    return markup::stampDate(format, when, QLocale());
}

void TfrmOptions::FormCreate()
{
    const settings::SettingsStore store;
    lblSyntax_->setFont(settings::storedEditorFont(store, QFont()));
    setForm(readOptionsForm(store));
}

void TfrmOptions::setForm(const OptionsForm& f)
{
    chkUpdate_->setChecked(f.stampAsComment);
    storedSyntaxColour_ = f.syntaxColour;
    SyntaxClrBar_->setSelectedIndex(f.syntaxColour);
    SyntaxClrBarClick();
    chkCase_->setChecked(f.lowerCaseTags);
    chkKeepSel_->setChecked(f.KeepSelected);
    chkCloseTags_->setChecked(f.closeTags);
    chkFullCellTag_->setChecked(f.FullCellTag);
    txtPreCustomStr_->setText(f.preCustom);
    txtCustomStr_->setText(f.custom);
    txtBrowser_->setText(f.browserPath);
    const QString* paths[] = {&f.tool1Path, &f.tool2Path, &f.tool3Path};
    const QString* names[] = {&f.tool1Name, &f.tool2Name, &f.tool3Name};
    for (int i = 0; i < 3; ++i) {
        txtUserTool_[i]->setText(*paths[i]);
        txtUserName_[i]->setText(*names[i]);
    }
    txtSideMask_->setText(f.sideMask);
    txtPreImage_->setText(f.preImage);
    cmbBgSide_->setCurrentIndex(f.sideColour >= 0 && f.sideColour < cmbBgSide_->count() ? f.sideColour : -1);
    txtName_->setText(f.name);
    txtMailAddr_->setText(f.mail);
    txtPhone_->setText(f.phone);
    txtFax_->setText(f.fax);
    txtAddress_->setStoredText(f.address);
    txtURL_->setText(f.url);
    txtQuickTable_->setStoredText(f.quickTable);
    txtQuickStyle_->setStoredText(f.quickStyle);
    txtQuickScript_->setStoredText(f.quickScript);
    storedTimeFormat_ = f.timeFormat;
    if (QAbstractButton* option = timeFormats_->button(f.timeFormat)) {
        option->setChecked(true);
    } else {
        // A format no button offers: none is shown selected.
        timeFormats_->setExclusive(false);
        for (QAbstractButton* b : timeFormats_->buttons()) b->setChecked(false);
        timeFormats_->setExclusive(true);
    }
    (f.microsoftBrowser ? optMicrosoft_ : optNetscape_)->setChecked(true);
    updateBrowserFields();
    cmbKeySet_->setCurrentIndex(f.keySet == 1 ? 1 : 0);
    cmbTheme_->setCurrentIndex(f.theme >= 0 && f.theme < cmbTheme_->count() ? f.theme : 0);
    chkLiveColour_->setChecked(f.liveColour);
    updateContrastWarning();
}

OptionsForm TfrmOptions::form() const
{
    OptionsForm f;
    f.sideMask = txtSideMask_->text();
    f.sideColour = cmbBgSide_->currentIndex();
    f.lowerCaseTags = chkCase_->isChecked();
    f.FullCellTag = chkFullCellTag_->isChecked();
    f.KeepSelected = chkKeepSel_->isChecked();
    f.closeTags = chkCloseTags_->isChecked();
    f.preImage = txtPreImage_->text();
    const int colour = SyntaxClrBar_->selectedIndex();
    f.syntaxColour = colour >= 0 ? colour : storedSyntaxColour_;
    f.name = txtName_->text();
    f.address = txtAddress_->storedText();
    f.phone = txtPhone_->text();
    f.fax = txtFax_->text();
    f.mail = txtMailAddr_->text();
    f.url = txtURL_->text();
    f.stampAsComment = chkUpdate_->isChecked();
    f.preCustom = txtPreCustomStr_->text();
    f.custom = txtCustomStr_->text();
    const int format = timeFormats_->checkedId();
    f.timeFormat = format > 0 ? format : storedTimeFormat_;
    f.quickTable = txtQuickTable_->storedText();
    f.quickStyle = txtQuickStyle_->storedText();
    f.quickScript = txtQuickScript_->storedText();
    f.microsoftBrowser = optMicrosoft_->isChecked();
    f.browserPath = txtBrowser_->text();
    f.tool1Path = txtUserTool_[0]->text();
    f.tool1Name = txtUserName_[0]->text();
    f.tool2Path = txtUserTool_[1]->text();
    f.tool2Name = txtUserName_[1]->text();
    f.tool3Path = txtUserTool_[2]->text();
    f.tool3Name = txtUserName_[2]->text();
    f.keySet = cmbKeySet_->currentIndex();
    f.theme = cmbTheme_->currentIndex();
    f.liveColour = chkLiveColour_->isChecked();
    return f;
}

void TfrmOptions::btnOKClick()
{
    settings::SettingsStore store;
    writeOptionsForm(store, form());
    store.close();
    accept();
}

void TfrmOptions::browseProgram(QLineEdit* field)
{
    // Start at the program named in the field; a bare name is looked up on PATH.
    QString start = field->text().trimmed();
    if (!start.isEmpty() && !start.contains(u'/')) {
        const QString found = QStandardPaths::findExecutable(start);
        if (!found.isEmpty()) start = found;
    }
    // Programs have no common name pattern here: every file is listed and
    // only an executable one is taken.
    const QString chosen = interaction::ui().openFileName(tr("Browse"), start, {tr("Programs (*)")});
    if (chosen.isEmpty()) return;
    const QFileInfo info(chosen);
    if (!info.isFile() || !info.isExecutable()) {
        interaction::ui().warn(tr("%1 is not a program.").arg(chosen));
        return;
    }
    field->setText(chosen);
}

void TfrmOptions::updateBrowserFields()
{
    const bool netscape = !optMicrosoft_->isChecked();
    txtBrowser_->setEnabled(netscape);
    btnBrowseBrowser_->setEnabled(netscape);
}

void TfrmOptions::SyntaxClrBarClick()
{
    QPalette palette = lblSyntax_->palette();
    palette.setColor(QPalette::WindowText, ColorGrid::colourAt(SyntaxClrBar_->selectedIndex()));
    lblSyntax_->setPalette(palette);
    updateContrastWarning();
}

void TfrmOptions::updateContrastWarning()
{
    if (!cmbTheme_) return;  // the grid is filled before the page is built
    const settings::Theme& theme = settings::themeFor(cmbTheme_->currentIndex(), settings::desktopIsDark());
    const unsigned chosen = ColorGrid::colourAt(SyntaxClrBar_->selectedIndex()).rgb() & 0xFFFFFF;
    const bool readable = settings::readableOn(chosen, theme);
    QString text = tr("This colour is hard to read on the editor's background (contrast %1:1, below %2:1).")
                       .arg(settings::contrastRatio(chosen, theme.paper), 0, 'f', 1)
                       .arg(settings::kReadableContrast, 0, 'f', 0);
    if (theme.ownTagColour >= 0) text += u' ' + tr("The dark theme shows tags in its own readable colour instead.");
    lblContrast_->setText(text);
    lblContrast_->setVisible(!readable);
    // The sample on the theme's paper, as the editor shows it.
    if (auto* panel = findChild<QFrame*>(QStringLiteral("pnlSyntax"))) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Base, QColor::fromRgb(theme.paper));
        panel->setPalette(palette);
    }
}

void TfrmOptions::pageChanged(int index)
{
    QWidget* page = pages_->widget(index);
    auto it = firstField_.find(page);
    if (it == firstField_.end()) return;
    QWidget* focus = focusWidget();
    if (focus && page->isAncestorOf(focus)) return;
    it->second->setFocus(Qt::TabFocusReason);
}

void TfrmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (centred_) return;
    centred_ = true;
    interaction::centreOnScreen(*this, parentWidget());
}

}  // namespace dialogs
