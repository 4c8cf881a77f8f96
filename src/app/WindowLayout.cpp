#include "app/WindowLayout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFrame>
#include <QPushButton>
#include <QToolBar>

#include "app/StatusPanels.h"
#include "app/TfrmMain.h"
#include "app/VexSplitter.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyEditor.h"
#include "files/SidePanel.h"
#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"
#include "markup/Highlighter.h"
#include "settings/SettingsStore.h"

namespace app {
namespace {

// The side panel keeps at least this width, the editor at least the other.
constexpr int kSideMargin = 60;
constexpr int kEditorMargin = 300;

// A view toggle is written at once.
void writeFlag(const settings::FlagSetting& setting, bool value)
{
    settings::SettingsStore store;
    store.write(setting, value);
}

}  // namespace

FontFlags storedFontFlags(const QFont& font)
{
    const bool bold = font.bold(), italic = font.italic();
    const bool other = font.underline() || font.strikeOut();
    FontFlags flags;
    if (other) return flags;
    flags.bold = bold;
    flags.italic = italic;
    return flags;
}

WindowLayout::WindowLayout(TfrmMain& window) : w_(window) {}

void WindowLayout::registerCommands(CommandRegistry& r)
{
    r.addToggle(
        QStringLiteral("ViewToolbarClick"), [this] { toggleStandardBar(); }, [this] { return toolbar_; });
    r.addToggle(
        QStringLiteral("ViewFormatBarClick"), [this] { toggleFormatBar(); }, [this] { return formatBar_; });
    r.addToggle(
        QStringLiteral("ViewCustomBarClick"), [this] { toggleCustomBar(); }, [this] { return customBar_; });
    r.addToggle(
        QStringLiteral("viewStatusClick"), [this] { toggleStatusBar(); }, [this] { return w_.status().isShown(); });
    r.addToggle(
        QStringLiteral("ViewSideClick"), [this] { toggleSidePanel(); }, [this] { return side_; });
    r.addToggle(
        QStringLiteral("EditWrapClick"), [this] { toggleWordWrap(); }, [this] { return wordWrap_; });
    r.add(QStringLiteral("ViewFontClick"), [this] { chooseEditorFont(); });
    // Not on any menu: for the modules that replace the document (new
    // documents, files opened by type) and for Refresh.
    r.add(QStringLiteral("ApplyEditorFont"), [this] { applyEditorFont(); });
    r.add(QStringLiteral("RefreshSidePanel"), [this] { w_.sidePanel().refresh(); });
}

void WindowLayout::loadWindowState()
{
    namespace window = settings::window;
    settings::SettingsStore s;
    // Kept on the screens there are now; the stored place stays for the
    // screen it was meant for until the user moves the window.
    const QRect stored(s.read(window::kLeft), s.read(window::kTop), s.read(window::kWidth), s.read(window::kHeight));
    interaction::placeFrame(w_, stored.topLeft(), stored.size());
    place_ = {stored, interaction::storedPlaceOf(w_)};

    toolbar_ = s.read(window::kToolbar);
    customBar_ = s.read(window::kCustomBar);
    formatBar_ = s.read(window::kFormatBar);
    side_ = s.read(window::kSideView);
    sideWidth_ = s.read(window::kSplitterPos);

    w_.setHighlightingOn(s.read(settings::user::kColorize));
    w_.status().setShown(s.read(window::kStatusBar));
    maximized_ = s.read(window::kMaximised);
    s.close();

    w_.loadOptions();
    const settings::Options& o = w_.options();
    files::SidePanel& panel = w_.sidePanel();
    panel.setDriveIndex(o.drive);
    if (!panel.setFolder(o.dir)) panel.setFolder(settings::homeFolder());
    w_.sidePanel().setFixedWidth(std::max(0, sideWidth_));
    w_.commands().refreshChecks();
}

void WindowLayout::arrangeBars()
{
    w_.commands().standardBar()->setVisible(toolbar_);
    w_.commands().formatBar()->setVisible(formatBar_);
    w_.commands().customBar()->setVisible(customBar_);
    // The rule above the bars shows only above a bar; the custom bar is the
    // lowest by its place in the layout.
    w_.gline().setVisible(toolbar_ || formatBar_ || customBar_);
    w_.commands().refreshChecks();
}

void WindowLayout::applySidePanel()
{
    TVexSplitter& splitter = w_.splitter();
    files::SidePanel& panel = w_.sidePanel();
    if (!side_) {
        splitter.hide();
        splitter.setLeftTopMargin(0);
        panel.hide();
    } else {
        splitter.show();
        splitter.setLeftTopMargin(kSideMargin);
        splitter.setRightBottomMargin(kEditorMargin);
        // The width of the start of the run, not one dragged since.
        panel.setFixedWidth(std::max(0, sideWidth_));
        panel.show();
    }
    w_.commands().refreshChecks();
}

void WindowLayout::applyWordWrap()
{
    const settings::SettingsStore s;
    wordWrap_ = s.read(settings::window::kWordWrap);
    BodyEditor& body = w_.editor();
    const markup::Pos start = body.selectionStart(), length = body.selectionLength();
    const int firstLine = body.firstVisibleDocumentLine();
    body.setWordWrap(wordWrap_);
    // Caret (and selection) back where it was, and the same first line on top.
    body.setSelection(start, length);
    body.scrollToDocumentLine(firstLine);
    w_.commands().refreshChecks();
}

void WindowLayout::giveFont(const QFont& font)
{
    QFont f = font;
    // A stored face the system lacks ("Courier New") falls back to a fixed-pitch one.
    f.setStyleHint(QFont::TypeWriter);
    w_.editor().setEditorFont(f);
}

void WindowLayout::applyEditorFont()
{
    const settings::SettingsStore s;
    giveFont(settings::storedEditorFont(s, w_.editor().editorFont()));
}

void WindowLayout::recolourAfterFontChange()
{
    markup::ClearColours(w_.body());
    w_.colourDocument();
}

void WindowLayout::chooseEditorFont()
{
    // Preset with the face really shown: a stored face the system lacks
    // ("Courier New") would otherwise preset some unrelated one.
    QFont shown = w_.editor().editorFont();
    shown.setFamily(QFontInfo(shown).family());
    QFontDialog dialog(shown, &w_);
    dialog.setOption(QFontDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(QStringLiteral("Font"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
        QObject::connect(apply, &QPushButton::clicked, &dialog, [this, &dialog] {
            giveFont(dialog.currentFont());
            recolourAfterFontChange();
        });
    }
    if (interaction::ui().runModal(dialog) == QDialog::Accepted) {
        const QFont chosen = dialog.currentFont();
        giveFont(chosen);
        const FontFlags flags = storedFontFlags(chosen);
        settings::SettingsStore s;
        s.write(settings::fonts::kName, chosen.family());
        s.write(settings::fonts::kSize, chosen.pointSize() > 0 ? chosen.pointSize() : settings::fonts::kSize.def);
        s.write(settings::fonts::kBold, flags.bold);
        s.write(settings::fonts::kItalic, flags.italic);
    }
    recolourAfterFontChange();
}

void WindowLayout::toggleStandardBar()
{
    toolbar_ = !toolbar_;
    writeFlag(settings::window::kToolbar, toolbar_);
    arrangeBars();
}

void WindowLayout::toggleFormatBar()
{
    formatBar_ = !formatBar_;
    writeFlag(settings::window::kFormatBar, formatBar_);
    arrangeBars();
}

void WindowLayout::toggleCustomBar()
{
    customBar_ = !customBar_;
    writeFlag(settings::window::kCustomBar, customBar_);
    arrangeBars();
}

void WindowLayout::toggleStatusBar()
{
    const bool show = !w_.status().isShown();
    w_.status().setShown(show);
    writeFlag(settings::window::kStatusBar, show);
    arrangeBars();
}

void WindowLayout::toggleSidePanel()
{
    side_ = !side_;
    writeFlag(settings::window::kSideView, side_);
    applySidePanel();
}

void WindowLayout::toggleWordWrap()
{
    writeFlag(settings::window::kWordWrap, !wordWrap_);
    applyWordWrap();
}

void WindowLayout::storeState()
{
    namespace window = settings::window;
    settings::SettingsStore s;
    const files::SidePanel& panel = w_.sidePanel();
    if (!w_.isMaximized()) {
        // The normal bounds; a maximised window leaves those of its last
        // normal close in place, to return to at the next start.
        const QRect place = place_.toStore(interaction::storedPlaceOf(w_));
        s.write(window::kTop, place.y());
        s.write(window::kLeft, place.x());
        s.write(window::kWidth, place.width());
        s.write(window::kHeight, place.height());
        s.write(settings::program::kPath, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }
    s.write(window::kMaximised, w_.isMaximized());
    s.write(window::kToolbar, toolbar_);
    s.write(settings::user::kDir, panel.folder());
    s.write(settings::user::kDrive, panel.driveIndex());
    if (side_) s.write(window::kSplitterPos, panel.width());
}

}  // namespace app
