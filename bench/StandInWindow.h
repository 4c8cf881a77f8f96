// A stand-in for the main window in the benchmarks: the real editing control
// `body` inside a window with the menus and (hidden) toolbars of the command
// table, no side panel and none of the window's timers, its own command
// registry, options read from the store as at start (callers may set them),
// highlighting through the real highlighter, and the wait cursor and caption
// as the main window shows them.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "markup/KeyFlags.h"
#include "settings/Options.h"

namespace bench {

class StandInWindow : public commands::CommandContext {
public:
    StandInWindow();
    ~StandInWindow() override;
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;

    editor::BodyControl& body() override { return *body_; }
    editor::BodyControl& bodyControl() override { return *body_; }
    QWidget* window() override { return window_.get(); }
    commands::CommandUi& commands() override { return *commands_; }
    files::SidePanel* sidePanel() override { return nullptr; }

    const settings::Options& options() const override { return options_; }
    // Reads the options again and tells the registry, as the main window does.
    void LoadOptions() override;

    bool HighlightingOn() const override { return highlighting_; }
    void setHighlightingOn(bool on) override { highlighting_ = on; }
    void RecolourNearCaret(int linesBack, int extraLines) override;
    void ColourDocument() override;

    markup::KeyFlags& keyFlags() override { return keyFlags_; }

    void beginWait(const QString& caption) override;
    void endWait() override;
    void notify(const QString&) override {}

    QString DocumentPath() const override { return {}; }
    bool SaveDocument(bool) override { return true; }
    // Opens nothing (tests of opening use the main window).
    bool openDocument(const QString&) override { return false; }
    bool askToSaveChanges() override { return true; }
    void setDocumentFile(const QString&, const storage::DocumentFormat&) override {}

    settings::Options& mutableOptions() { return options_; }

    commands::CommandRegistry registry;

private:
    std::unique_ptr<QMainWindow> window_;
    commands::CommandUi* commands_;  // owned by window_
    editor::BodyControl* body_;      // owned by window_
    settings::Options options_;
    bool highlighting_ = false;
    markup::KeyFlags keyFlags_;
    QString savedTitle_;
    int waitDepth_ = 0;
};

}  // namespace bench
