#include "WindowLayout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFrame>
#include <QPushButton>
#include <QToolBar>

#include "BodyEditor.h"
#include "CommandRegistry.h"
#include "CommandUi.h"
#include "StatusPanels.h"
#include "TfrmMain.h"
#include "VexSplitter.h"
#include "files/SidePanel.h"
#include "markup/Highlighter.h"
#include "settings/Interaction.h"
#include "settings/SettingsStore.h"

namespace app {
namespace {

const QString kWindow = QStringLiteral("window");
const QString kUser = QStringLiteral("user");
const QString kFonts = QStringLiteral("Fonts");

// The side panel keeps at least this width, the editor at least the other.
constexpr int kSideMargin = 60;
constexpr int kEditorMargin = 300;

void writeBool(const QString& section, const QString& ident, bool value)
{
    settings::SettingsStore store;
    store.WriteBool(section, ident, value);
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
    settings::SettingsStore s;
    const int top = s.ReadInteger(kWindow, QStringLiteral("top"), 1);
    const int left = s.ReadInteger(kWindow, QStringLiteral("left"), 1);
    const int width = s.ReadInteger(kWindow, QStringLiteral("width"), 639);
    const int height = s.ReadInteger(kWindow, QStringLiteral("height"), 479);
    w_.move(left, top);
    w_.resize(width, height);

    toolbar_ = s.ReadBool(kWindow, QStringLiteral("toolbar"), true);
    customBar_ = s.ReadBool(kWindow, QStringLiteral("custombar"), false);
    formatBar_ = s.ReadBool(kWindow, QStringLiteral("formatbar"), true);
    side_ = s.ReadBool(kWindow, QStringLiteral("sideview"), true);
    sideWidth_ = s.ReadInteger(kWindow, QStringLiteral("splitterpos"), 120);

    w_.setHighlightingOn(s.ReadBool(kUser, QStringLiteral("colorize"), false));
    w_.status().setShown(s.ReadBool(kWindow, QStringLiteral("statusbar"), true));
    maximized_ = s.ReadBool(kWindow, QStringLiteral("maxed"), false);
    s.close();

    w_.loadOptions();
    const settings::Options& o = w_.options();
    files::SidePanel& panel = w_.sidePanel();
    panel.setDriveIndex(o.drive);
    if (!panel.setFolder(o.dir)) panel.setFolder(settings::defaults::homeFolder());
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
    wordWrap_ = s.ReadBool(kWindow, QStringLiteral("WordWrap"), false);
    BodyEditor& body = w_.body();
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
    w_.body().setEditorFont(f);
}

void WindowLayout::applyEditorFont()
{
    const settings::SettingsStore s;
    QFont font = w_.body().font();
    font.setFamily(s.ReadString(kFonts, QStringLiteral("name"), QStringLiteral("Courier New")));
    font.setPointSize(std::max(1, s.ReadInteger(kFonts, QStringLiteral("size"), 10)));
    const bool bold = s.ReadBool(kFonts, QStringLiteral("bold"), false);
    const bool italic = s.ReadBool(kFonts, QStringLiteral("italic"), false);
    // Neither flag leaves the style as it was.
    if (bold || italic) {
        font.setBold(bold);
        font.setItalic(italic);
    }
    giveFont(font);
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
    QFont shown = w_.body().font();
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
    if (settings::ui().runModal(dialog) == QDialog::Accepted) {
        const QFont chosen = dialog.currentFont();
        giveFont(chosen);
        const FontFlags flags = storedFontFlags(chosen);
        settings::SettingsStore s;
        s.WriteString(kFonts, QStringLiteral("name"), chosen.family());
        s.WriteInteger(kFonts, QStringLiteral("size"), chosen.pointSize() > 0 ? chosen.pointSize() : 10);
        s.WriteBool(kFonts, QStringLiteral("bold"), flags.bold);
        s.WriteBool(kFonts, QStringLiteral("italic"), flags.italic);
    }
    recolourAfterFontChange();
}

void WindowLayout::toggleStandardBar()
{
    toolbar_ = !toolbar_;
    writeBool(kWindow, QStringLiteral("toolbar"), toolbar_);
    arrangeBars();
}

void WindowLayout::toggleFormatBar()
{
    formatBar_ = !formatBar_;
    writeBool(kWindow, QStringLiteral("formatbar"), formatBar_);
    arrangeBars();
}

void WindowLayout::toggleCustomBar()
{
    customBar_ = !customBar_;
    writeBool(kWindow, QStringLiteral("custombar"), customBar_);
    arrangeBars();
}

void WindowLayout::toggleStatusBar()
{
    const bool show = !w_.status().isShown();
    w_.status().setShown(show);
    writeBool(kWindow, QStringLiteral("statusbar"), show);
    arrangeBars();
}

void WindowLayout::toggleSidePanel()
{
    side_ = !side_;
    writeBool(kWindow, QStringLiteral("sideview"), side_);
    applySidePanel();
}

void WindowLayout::toggleWordWrap()
{
    writeBool(kWindow, QStringLiteral("WordWrap"), !wordWrap_);
    applyWordWrap();
}

void WindowLayout::storeState()
{
    settings::SettingsStore s;
    const files::SidePanel& panel = w_.sidePanel();
    if (!w_.isMaximized()) {
        // The normal bounds; a maximised window leaves those of its last
        // normal close in place, to return to at the next start.
        s.WriteInteger(kWindow, QStringLiteral("top"), w_.y());
        s.WriteInteger(kWindow, QStringLiteral("left"), w_.x());
        s.WriteInteger(kWindow, QStringLiteral("width"), w_.width());
        s.WriteInteger(kWindow, QStringLiteral("height"), w_.height());
        s.WriteString(QStringLiteral("program"), QStringLiteral("path"),
                      QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    }
    s.WriteBool(kWindow, QStringLiteral("maxed"), w_.isMaximized());
    s.WriteBool(kWindow, QStringLiteral("toolbar"), toolbar_);
    s.WriteString(kUser, QStringLiteral("dir"), panel.folder());
    s.WriteInteger(kUser, QStringLiteral("drive"), panel.driveIndex());
    if (side_) s.WriteInteger(kWindow, QStringLiteral("splitterpos"), panel.width());
}

}  // namespace app
