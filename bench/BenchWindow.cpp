// The stand-in main window of the benchmarks.
#include "BenchWindow.h"

#include <sys/resource.h>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <cstdio>
#include <cstdlib>

#include "commands/CommandModules.h"
#include "editor/LargeBlocks.h"

namespace bench {

SilentInteraction::SilentInteraction() : previous_(interaction::setInteraction(this)) {}

SilentInteraction::~SilentInteraction()
{
    interaction::setInteraction(previous_);
}

int SilentInteraction::runModal(QDialog& dialog)
{
    return onModal ? onModal(dialog) : QDialog::Rejected;
}

BenchWindow::BenchWindow()
{
    mutableOptions() = {};
    setHighlightingOn(true);
    window()->resize(639, 479);
    commands::registerAllCommands(*this, registry);
    window()->show();
    paint();
}

void BenchWindow::open(std::string_view text)
{
    body().loadText(text);
    opened();
}

void BenchWindow::opened()
{
    editor::keepFreedMemoryFor(static_cast<size_t>(body().length()));
    ColourDocument();
    registry.documentReplaced();
    paint();
}

void BenchWindow::paint()
{
    body().repaintNow();
    QApplication::processEvents();
}

void BenchWindow::run(const char* command)
{
    if (!registry.run(QString::fromLatin1(command))) {
        std::fprintf(stderr, "no command %s\n", command);
        std::abort();
    }
}

}  // namespace bench

namespace bench {
namespace {

long faultsSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt + usage.ru_majflt;
}

}  // namespace

void PageFaults::start()
{
    startedAt_ = faultsSoFar();
}

void PageFaults::stop()
{
    total_ += faultsSoFar() - startedAt_;
}

void PageFaults::report(benchmark::State& state) const
{
    if (state.iterations() > 0)
        state.counters["faults"] = static_cast<double>(total_) / static_cast<double>(state.iterations());
}

void openEachIteration(benchmark::State& state, BenchWindow& window, const QString& path)
{
    QString error;
    for (auto _ : state)
        if (!openFile(window, path, &error)) state.SkipWithError(error.toStdString().c_str());
}

void showEachIteration(benchmark::State& state, editor::BodyControl& editor, const std::string& page)
{
    editor.resize(1000, 700);
    editor.show();
    QApplication::processEvents();
    for (auto _ : state) {
        editor.loadText(page);
        editor::keepFreedMemoryFor(page.size());  // as opening a file does
        editor.repaintNow();
        QApplication::processEvents();
    }
}

void typeKey(QWidget& target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
}

}  // namespace bench
