// Very long lines and big files through the real control on the offscreen
// platform: a minified page (the whole document on one line) shown, typed into
// at its end with real key events, and saved; and a 100 MB file of ordinary
// lines opened and saved. These take seconds per iteration: scripts/bench runs
// them once each, after the budgeted operations.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "editor/BodyControl.h"
#include "editor/LargeBlocks.h"
#include "storage/DocumentFile.h"

namespace {

// Paints the visible part now, as the first frame on screen would.
void showNow(editor::BodyControl& editor)
{
    editor.repaintNow();
    QApplication::processEvents();
}

void ShowLongLine(benchmark::State& state)
{
    const std::string page = bench::minifiedPage(static_cast<size_t>(state.range(0)) << 20);
    editor::BodyControl editor;
    bench::showEachIteration(state, editor, page);
    state.SetLabel(std::to_string(state.range(0)) + " MB on one line");
}

void TypeAtEndOfLongLine(benchmark::State& state)
{
    editor::BodyControl editor;
    editor.resize(1000, 700);
    editor.show();
    const std::string page = bench::minifiedPage(static_cast<size_t>(state.range(0)) << 20);
    editor.loadText(page);
    editor::keepFreedMemoryFor(page.size());  // as opening a file does
    showNow(editor);
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(&editor, &end);
    showNow(editor);
    for (auto _ : state) {
        bench::typeKey(editor, Qt::Key_X, QStringLiteral("x"));
        showNow(editor);
    }
    state.SetLabel(std::to_string(state.range(0)) + " MB on one line");
}

void SaveLongLine(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    editor::BodyControl body;
    body.loadText(bench::minifiedPage(static_cast<size_t>(state.range(0)) << 20));
    QString error;
    for (auto _ : state) {
        if (!storage::saveDocumentFile(path, body.characters(), {}, &error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.SetLabel(std::to_string(state.range(0)) + " MB on one line, text out, encoded, written and synced");
}

// A big file of ordinary lines: read and decoded into the control, shown; then
// saved.
void OpenAndSaveLargeFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.html"));
    {
        std::string bytes;
        const std::string line = "<tr><td class=\"n\">12345</td><td>caf\xC3\xA9 au lait</td></tr>\n";
        bytes.reserve((static_cast<size_t>(state.range(0)) << 20) + line.size());
        while (bytes.size() < static_cast<size_t>(state.range(0)) << 20) bytes += line;
        QString error;
        storage::saveDocumentFile(path, bytes, {storage::Encoding::Utf8, storage::LineBreaks::CrLf}, &error);
    }
    editor::BodyControl body;
    body.resize(1000, 700);
    body.show();
    QString error;
    for (auto _ : state) {
        storage::DocumentFormat format;
        if (!body.loadPieces(
                [&](storage::TextSink& sink) { return storage::readDocumentFile(path, &format, sink, &error); }))
            state.SkipWithError(error.toStdString().c_str());
        showNow(body);
        if (!storage::saveDocumentFile(path, body.characters(), format, &error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.SetLabel(std::to_string(state.range(0)) + " MB of LF lines");
}

// Named LongLine.../MB and LargeFileOpenSave/MB.
BENCHMARK(ShowLongLine)->Name("LongLineShow")->Arg(1)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(TypeAtEndOfLongLine)->Name("LongLineType")->Arg(1)->Arg(10)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveLongLine)->Name("LongLineSave")->Arg(10)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAndSaveLargeFile)->Name("LargeFileOpenSave")->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
