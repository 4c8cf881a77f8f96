// The stand-in main window of the benchmarks: the real editing control `body`
// in a shown window on the offscreen platform (with the command table's
// menus, without a side panel), every command module registered
// as the main window registers them, highlighting on, and an interaction that
// answers every message box at once and runs modal dialogs through a script.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <string_view>

#include "StandInWindow.h"
#include "interaction/Interaction.h"

namespace bench {

// Message boxes count as read at once; file dialogs are cancelled; a modal
// dialog is handed to `onModal` (rejected when it is empty).
class SilentInteraction final : public interaction::Interaction {
public:
    SilentInteraction();
    ~SilentInteraction() override;
    SilentInteraction(const SilentInteraction&) = delete;
    SilentInteraction& operator=(const SilentInteraction&) = delete;

    interaction::Answer ask(const QString&, interaction::Buttons, interaction::Answer) override
    {
        return interaction::Answer::Yes;
    }
    int choose(const QString&, const QStringList&, int defaultButton, int) override { return defaultButton; }
    void show(interaction::MessageKind, const QString& text) override { lastMessage = text; }
    QString openFileName(const QString&, const QString&, const QStringList&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, const QStringList&) override { return {}; }
    int runModal(QDialog& dialog) override;

    std::function<int(QDialog&)> onModal;
    QString lastMessage;

private:
    interaction::Interaction* previous_;
};

// The stand-in window, shown, with every command module registered.
class BenchWindow final : public StandInWindow {
public:
    // A window of the main window's default size, shown, with highlighting
    // on and the options' defaults whatever the settings hold.
    BenchWindow();

    // A document loaded as opening a file loads it: the text, the colours when
    // highlighting is on, the commands told, the screen painted.
    void open(std::string_view text);
    // The same after the text was loaded into the control (see openFile).
    void opened();
    // Paints what the control shows now and handles the pending events, as the
    // event loop does once a command returns.
    void paint();
    // Runs a registered command by name; aborts the run when there is none.
    void run(const char* command);

    SilentInteraction interaction;
};

}  // namespace bench

namespace bench {

// Opens a document file as the main window does: read and decoded whole,
// loaded into `body`, coloured, painted. False (with the message) on failure.
bool openFile(BenchWindow& window, const QString& path, QString* error);
// Opens `path` in each iteration of `state`, replacing the document opened
// before, as opening another file does; a failure ends the benchmark.
void openEachIteration(benchmark::State& state, BenchWindow& window, const QString& path);
// Loads `page` into `editor` (shown, 1000 x 700) and paints it in each
// iteration, as opening a minified page does.
void showEachIteration(benchmark::State& state, editor::BodyControl& editor, const std::string& page);
// A keystroke as the author makes it: press and release of `key`.
void typeKey(QWidget& target, int key, const QString& text);

// The child process of PeakMemory: starts like the editor, opens `path`, and
// prints "peak_kB before_kB open_ms" (VmHWM at the end, VmRSS just before the
// file is read, the time of that first open). Returns the exit status.
int openAndMeasure(const char* path);

}  // namespace bench

namespace bench {

// Page faults (taking fresh memory from the system) counted over the measured
// parts of a benchmark: on some virtual machines each costs tens of
// microseconds, so they explain much of a whole-document operation's time.
class PageFaults {
public:
    void start();
    void stop();
    // Faults per iteration, as a benchmark counter.
    void report(benchmark::State& state) const;

private:
    long total_ = 0;
    long startedAt_ = 0;
};

}  // namespace bench
