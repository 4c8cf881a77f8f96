// The arrangement of the main window: restoring its bounds and views at
// start, the toolbars and status bar, the side panel beside its splitter, word
// wrap, the editor font, and the state stored when the window closes. Every
// view toggle writes its choice to section "window" at once.
#pragma once

#include <QFont>

#include "interaction/WindowPlace.h"
#include "settings/SettingsTable.h"

class QFrame;
class QWidget;

namespace files {
class SidePanel;
}

namespace commands {
class CommandContext;
class CommandRegistry;
class CommandUi;
}  // namespace commands

namespace editor {
class BodyControl;
}  // namespace editor

namespace app {

class StatusPanels;
class TVexSplitter;

// How the editor font's style is stored: bold and italic both when the style
// is exactly bold plus italic, otherwise bold only for exactly bold and italic
// only for exactly italic (underline or strike-out makes it neither).
struct FontFlags {
    bool bold = false;
    bool italic = false;
};
FontFlags storedFontFlags(const QFont& font);

// The parts of the main window that the layout arranges, and the editor
// context for the options and the highlighting it reads at start.
struct LayoutParts {
    QWidget& window;
    commands::CommandContext& context;
    editor::BodyControl& body;
    commands::CommandUi& commands;
    StatusPanels& status;
    files::SidePanel& side;
    TVexSplitter& Splitter;
    QFrame& rule;  // above the toolbars
};

class WindowLayout {
public:
    explicit WindowLayout(const LayoutParts& parts);

    void registerCommands(commands::CommandRegistry& registry);

    // Bounds, bars, side panel width, highlighting, status bar, options,
    // drive and folder of the side panel.
    void LoadWindowState();
    bool maximizedAtStart() const { return maximized_; }
    void ArrangeBars();
    void ApplySidePanel();
    void ApplyWordWrap();
    void applyLineNumbers();
    void ApplyEditorFont();
    // Written when the window closes (before the question about changes).
    void storeState();

    // The View and Edit toggles that are not a bar or the side panel (see
    // addViewToggle).
    void toggleStatusBar();
    void toggleWordWrap();
    void chooseEditorFont();

    bool standardBarShown() const { return toolbar_; }
    bool formatBarShown() const { return formatBar_; }
    bool customBarShown() const { return customBar_; }
    bool sidePanelShown() const { return side_; }
    bool wordWrapOn() const { return wordWrap_; }
    bool lineNumbersShown() const { return lineNumbers_; }
    int startSideWidth() const { return sideWidth_; }

private:
    // A toolbar or the side panel: the command flips `shown`, writes it to
    // `setting` at once and lets `show` show it.
    void addViewToggle(commands::CommandRegistry& registry, const char* command, bool& shown,
                       const settings::FlagSetting& setting, void (WindowLayout::*show)());
    void giveFont(const QFont& font);
    void recolourAfterFontChange();

    LayoutParts parts_;
    bool toolbar_ = true;
    bool formatBar_ = true;
    bool customBar_ = false;
    bool side_ = true;
    bool wordWrap_ = false;
    bool lineNumbers_ = true;
    bool maximized_ = false;
    int sideWidth_ = 120;
    interaction::RestoredPlace place_;
};

}  // namespace app
