#include "app/WindowLayout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFrame>
#include <QPushButton>
#include <QToolBar>

#include "app/StatusPanels.h"
#include "app/TVexSplitter.h"
#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
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

WindowLayout::WindowLayout(const LayoutParts& parts) : parts_(parts) {}

void WindowLayout::addViewToggle(commands::CommandRegistry& registry, const char* command, bool& shown,
                                 const settings::FlagSetting& setting, void (WindowLayout::*show)())
{
    registry.addToggle(
        QString::fromLatin1(command),
        [this, &shown, &setting, show] {
            shown = !shown;
            writeFlag(setting, shown);
            (this->*show)();
        },
        [&shown] { return shown; });
}

void WindowLayout::registerCommands(commands::CommandRegistry& r)
{
    namespace window = settings::window;
    addViewToggle(r, "ViewToolbarClick", toolbar_, window::kToolbar, &WindowLayout::ArrangeBars);
    addViewToggle(r, "ViewFormatBarClick", formatBar_, window::kFormatBar, &WindowLayout::ArrangeBars);
    addViewToggle(r, "ViewCustomBarClick", customBar_, window::kCustomBar, &WindowLayout::ArrangeBars);
    r.addToggle(
        QStringLiteral("viewStatusClick"), [this] { toggleStatusBar(); }, [this] { return parts_.status.isShown(); });
    addViewToggle(r, "ViewSideClick", side_, window::kSideView, &WindowLayout::ApplySidePanel);
    r.addToggle(
        QStringLiteral("EditWrapClick"), [this] { toggleWordWrap(); }, [this] { return wordWrap_; });
    r.add(QStringLiteral("ViewFontClick"), [this] { chooseEditorFont(); });
    addViewToggle(r, "ViewLineNumbersClick", lineNumbers_, window::kLineNumbers, &WindowLayout::applyLineNumbers);
    // Zoom is the view's, for this run only: the editor font keeps its size.
    editor::BodyControl& body = parts_.body;
    r.add(QStringLiteral("ViewZoomInClick"), [&body] { body.zoomIn(); });
    r.add(QStringLiteral("ViewZoomOutClick"), [&body] { body.zoomOut(); });
    r.add(QStringLiteral("ViewZoomNormalClick"), [&body] { body.zoomNormal(); });
    // Not on any menu: for the modules that replace the document (new
    // documents, files opened by type) and for Refresh.
    r.add(QStringLiteral("ApplyEditorFont"), [this] { ApplyEditorFont(); });
    r.add(QStringLiteral("RefreshSidePanel"), [this] { parts_.side.refresh(); });
}

void WindowLayout::LoadWindowState()
{
    namespace window = settings::window;
    settings::SettingsStore s;
    // Kept on the screens there are now; the stored place stays for the
    // screen it was meant for until the user moves the window.
    const QRect stored(s.read(window::kLeft), s.read(window::kTop), s.read(window::kWidth), s.read(window::kHeight));
    interaction::placeFrame(parts_.window, stored.topLeft(), stored.size());
    place_ = {stored, interaction::storedPlaceOf(parts_.window)};

    toolbar_ = s.read(window::kToolbar);
    customBar_ = s.read(window::kCustomBar);
    formatBar_ = s.read(window::kFormatBar);
    side_ = s.read(window::kSideView);
    sideWidth_ = s.read(window::kSplitterPos);
    lineNumbers_ = s.read(window::kLineNumbers);

    parts_.context.setHighlightingOn(s.read(settings::user::kColorize));
    parts_.status.setShown(s.read(window::kStatusBar));
    maximized_ = s.read(window::kMaximised);
    s.close();

    parts_.context.LoadOptions();
    const settings::Options& o = parts_.context.options();
    files::SidePanel& panel = parts_.side;
    panel.setDriveIndex(o.drive);
    if (!panel.setFolder(o.dir)) panel.setFolder(settings::homeFolder());
    parts_.side.setFixedWidth(std::max(0, sideWidth_));
    parts_.commands.refreshChecks();
}

void WindowLayout::ArrangeBars()
{
    parts_.commands.standardBar()->setVisible(toolbar_);
    parts_.commands.formatBar()->setVisible(formatBar_);
    parts_.commands.customBar()->setVisible(customBar_);
    // The rule above the bars shows only above a bar; the custom bar is the
    // lowest by its place in the layout.
    parts_.rule.setVisible(toolbar_ || formatBar_ || customBar_);
    parts_.commands.refreshChecks();
}

void WindowLayout::ApplySidePanel()
{
    TVexSplitter& Splitter = parts_.Splitter;
    files::SidePanel& panel = parts_.side;
    if (!side_) {
        Splitter.hide();
        Splitter.setLeftTopMargin(0);
        panel.hide();
    } else {
        Splitter.show();
        Splitter.setLeftTopMargin(kSideMargin);
        Splitter.setRightBottomMargin(kEditorMargin);
        // The width of the start of the run, not one dragged since.
        panel.setFixedWidth(std::max(0, sideWidth_));
        panel.show();
    }
    parts_.commands.refreshChecks();
}

void WindowLayout::applyLineNumbers()
{
    parts_.body.setLineNumbers(lineNumbers_);
    parts_.commands.refreshChecks();
}

void WindowLayout::ApplyWordWrap()
{
    const settings::SettingsStore s;
    wordWrap_ = s.read(settings::window::kWordWrap);
    editor::BodyControl& body = parts_.body;
    const markup::Pos start = body.selectionStart(), length = body.selectionLength();
    const int firstLine = body.firstVisibleDocumentLine();
    body.setWordWrap(wordWrap_);
    // Caret (and selection) back where it was, and the same first line on top.
    body.setSelection(start, length);
    body.scrollToDocumentLine(firstLine);
    parts_.commands.refreshChecks();
}

void WindowLayout::giveFont(const QFont& font)
{
    QFont f = font;
    // A stored face the system lacks ("Courier New") falls back to a fixed-pitch one.
    f.setStyleHint(QFont::TypeWriter);
    parts_.body.setEditorFont(f);
}

void WindowLayout::ApplyEditorFont()
{
    const settings::SettingsStore s;
    giveFont(settings::storedEditorFont(s, parts_.body.editorFont()));
}

void WindowLayout::recolourAfterFontChange()
{
    markup::ClearColours(parts_.body);
    parts_.context.ColourDocument();
}

void WindowLayout::chooseEditorFont()
{
    // Preset with the face really shown: a stored face the system lacks
    // ("Courier New") would otherwise preset some unrelated one.
    QFont shown = parts_.body.editorFont();
    shown.setFamily(QFontInfo(shown).family());
    QFontDialog dialog(shown, &parts_.window);
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

void WindowLayout::toggleStatusBar()
{
    const bool show = !parts_.status.isShown();
    parts_.status.setShown(show);
    writeFlag(settings::window::kStatusBar, show);
    ArrangeBars();
}

void WindowLayout::toggleWordWrap()
{
    writeFlag(settings::window::kWordWrap, !wordWrap_);
    ApplyWordWrap();
}

void WindowLayout::storeState()
{
    namespace window = settings::window;
    settings::SettingsStore s;
    const files::SidePanel& panel = parts_.side;
    if (!parts_.window.isMaximized()) {
        // The normal bounds; a maximised window leaves those of its last
        // normal close in place, to return to at the next start.
        const QRect place = place_.toStore(interaction::storedPlaceOf(parts_.window));
        s.write(window::kTop, place.y());
        s.write(window::kLeft, place.x());
        s.write(window::kWidth, place.width());
        s.write(window::kHeight, place.height());
        s.write(settings::program::kPath, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }
    s.write(window::kMaximised, parts_.window.isMaximized());
    s.write(window::kToolbar, toolbar_);
    s.write(settings::user::kDir, panel.folder());
    s.write(settings::user::kDrive, panel.driveIndex());
    if (side_) s.write(window::kSplitterPos, panel.width());
}

}  // namespace app
