// The main window TfrmMain: the editor `body` with the side panel, the three
// toolbars, the menus and the status bar. It owns the one document and is the
// CommandContext the command modules work through. Its concerns live in their
// own classes: CommandUi (menus, shortcuts, toolbars), DocumentLifecycle
// (New, Open, Save, recent files, close), WindowLayout (bars, views, font,
// word wrap, stored window state), StatusPanels and Recovery (snapshots of
// unsaved text).
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/DocumentLifecycle.h"
#include "commands/CommandContext.h"
#include "commands/CommandRegistry.h"

class QFrame;

namespace files {
class SidePanel;
}

namespace commands {
class CommandUi;
}  // namespace commands

namespace app {

class Recovery;
class StatusPanels;
class TVexSplitter;
class WindowLayout;

class TfrmMain : public QMainWindow, public commands::CommandContext, public DocumentWindow {
    Q_OBJECT
public:
    // Builds every control and menu and registers every command.
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Start-up: restores the window and its views, loads the options and the
    // recent files, opens the file named by `arguments` (the command line
    // without the program name), shows the window and colours the document;
    // then offers the unsaved text of instances that ended without closing.
    void start(const QStringList& arguments);

    // CommandContext
    editor::TextView& body() override;
    editor::BodyControl& bodyControl() override { return *body_; }
    QWidget* window() override { return this; }
    commands::CommandUi& commands() override { return *commands_; }
    files::SidePanel* sidePanel() override { return side_; }
    const settings::Options& options() const override { return options_; }
    void LoadOptions() override;
    bool HighlightingOn() const override { return HighlightingOn_; }
    void setHighlightingOn(bool on) override;
    void RecolourNearCaret(int linesBack, int extraLines) override;
    void ColourDocument() override;
    markup::KeyFlags& keyFlags() override { return keyFlags_; }
    void beginWait(const QString& caption) override;
    void endWait() override;
    void notify(const QString& text) override;
    QString DocumentPath() const override;
    bool SaveDocument(bool addToRecent) override;
    bool openDocument(const QString& path) override;
    bool askToSaveChanges() override;
    void setDocumentFile(const QString& path, const storage::DocumentFormat& format) override;

    // DocumentWindow (notify and the colouring as above)
    QString caption() const override { return windowTitle(); }
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void closeWindow() override { close(); }
    // The current folder when the program started.
    QString startFolder() const override { return startFolder_; }

    // The parts, for tests.
    commands::CommandRegistry& registry() { return registry_; }
    DocumentLifecycle& document() { return *document_; }
    WindowLayout& layout() { return *layout_; }
    StatusPanels& status() { return *status_; }
    Recovery& recovery() { return *recovery_; }
    TVexSplitter& Splitter() { return *Splitter_; }
    QFrame& gline() { return *gline_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildClientArea();
    void showContextMenu(const QPoint& globalPos);

    commands::CommandRegistry registry_;
    settings::Options options_;
    markup::KeyFlags keyFlags_;
    bool HighlightingOn_ = false;
    QStringList waitCaptions_;
    QString startFolder_;

    editor::BodyControl* body_ = nullptr;
    files::SidePanel* side_ = nullptr;
    TVexSplitter* Splitter_ = nullptr;
    QFrame* gline_ = nullptr;
    commands::CommandUi* commands_ = nullptr;
    StatusPanels* status_ = nullptr;
    std::unique_ptr<DocumentLifecycle> document_;
    std::unique_ptr<WindowLayout> layout_;
    std::unique_ptr<Recovery> recovery_;
};

}  // namespace app
