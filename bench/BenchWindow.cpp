// The stand-in main window of the benchmarks.
#include "BenchWindow.h"

#include <sys/resource.h>
#include <QApplication>
#include <QDialog>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "editor/LargeBlocks.h"
#include "interaction/Captions.h"
#include "markup/Highlighter.h"

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

BenchWindow::BenchWindow() : window_(std::make_unique<QMainWindow>())
{
    window_->setWindowTitle(QString::fromLatin1(interaction::kUntitled) +
                            QString::fromLatin1(interaction::TitleSuffix));
    // The menus and bars the modules reach by name; the bars stay hidden.
    commands_ = new commands::CommandUi(*window_, registry);
    commands_->build();
    for (QToolBar* bar : {commands_->standardBar(), commands_->formatBar(), commands_->customBar()}) bar->hide();
    body_ = new editor::BodyControl(window_.get());
    window_->setCentralWidget(body_);
    window_->resize(639, 479);
    commands::registerAllCommands(*this, registry);
    window_->show();
    paint();
}

BenchWindow::~BenchWindow()
{
    while (waitDepth_ > 0) endWait();
}

void BenchWindow::RecolourNearCaret(int linesBack, int extraLines)
{
    if (highlighting_) markup::RecolourNearCaret(*body_, linesBack, extraLines);
}

void BenchWindow::ColourDocument()
{
    if (highlighting_) commands::colourDocumentWithWait(*this);
}

void BenchWindow::beginWait(const QString& caption)
{
    if (waitDepth_++ == 0) savedTitle_ = window_->windowTitle();
    window_->setWindowTitle(caption);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void BenchWindow::endWait()
{
    if (waitDepth_ == 0) return;
    QApplication::restoreOverrideCursor();
    if (--waitDepth_ == 0) window_->setWindowTitle(savedTitle_);
}

void BenchWindow::open(std::string_view text)
{
    body_->loadText(text);
    opened();
}

void BenchWindow::opened()
{
    editor::keepFreedMemoryFor(static_cast<size_t>(body_->length()));
    ColourDocument();
    registry.documentReplaced();
    paint();
}

void BenchWindow::paint()
{
    body_->repaintNow();
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

}  // namespace bench
