// A small stand-in for the main window in command-module tests: a real `body`
// inside a window with the menus and toolbars of the command table (no side
// panel), its own command registry, options that tests set
// directly (first read from the store, as at start), highlighting through the
// real highlighter, and a record of what the modules asked of the window.
#pragma once

#include <QMainWindow>
#include <string_view>
#include <utility>

#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"

namespace testing_support {

class FakeCommandContext : public commands::CommandContext {
public:
    FakeCommandContext();
    ~FakeCommandContext() override;

    editor::TextView& body() override { return *body_; }
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

    // Test controls.
    settings::Options& mutableOptions() { return options_; }
    // Loads `text` as a fresh document and selects [caret, caret + selected).
    void load(std::string_view text, markup::Pos caret = 0, markup::Pos selected = 0);
    // Runs a registered command; a missing handler fails the test.
    void run(const char* command);

    commands::CommandRegistry registry;

    // Records.
    std::vector<std::pair<int, int>> recolours;  // every RecolourNearCaret call, highlighting on or off
    int documentColourings = 0;                  // every ColourDocument call, highlighting on or off
    QStringList waitCaptions;                    // every caption shown by beginWait
    int waitDepth = 0;                           // beginWait calls not yet ended

private:
    std::unique_ptr<QMainWindow> window_;
    commands::CommandUi* commands_;  // owned by window_
    editor::BodyControl* body_;      // owned by window_
    settings::Options options_;
    bool highlighting_ = false;
    markup::KeyFlags keyFlags_;
    QString savedTitle_;
};

}  // namespace testing_support
