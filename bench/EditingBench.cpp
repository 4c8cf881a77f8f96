// Edits at the end of a document must cost the same at 1 MB as at 50 MB: one
// typed character (real key events), one Bold from the tag engine on the last
// word, both with highlighting on and the screen painted.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchDocument.h"
#include "BenchWindow.h"

namespace {

void TypeAtEnd(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    editor::BodyControl& body = window.body();
    body.setFocus();
    body.setSelection(body.length(), 0);
    window.paint();
    int column = 0;
    for (auto _ : state) {
        // Lines of 60 characters, so that the typed line stays an ordinary one.
        if (++column == 60) {
            bench::typeKey(body, Qt::Key_Return, QStringLiteral("\r"));
            column = 0;
        } else {
            bench::typeKey(body, Qt::Key_X, QStringLiteral("x"));
        }
        window.paint();
    }
}
BENCHMARK(TypeAtEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

void BoldAtEnd(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    editor::BodyControl& body = window.body();
    for (auto _ : state) {
        // A new last line with one word, selected as the author would.
        state.PauseTiming();
        body.setSelection(body.length(), 0);
        body.replaceSelection("\r\nword");
        body.setSelection(body.length() - 4, 4);
        state.ResumeTiming();
        window.run("FormatBoldClick");
        window.paint();
    }
    if (body.textRange(body.length() - 11, 11) != "<b>word</b>") state.SkipWithError("Bold did not wrap the word");
}
BENCHMARK(BoldAtEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
