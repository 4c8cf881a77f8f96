// Edits at the end of a document must cost the same at 1 MB as at 50 MB: one
// typed character (real key events), one Bold from the tag engine on the last
// word, both with highlighting on and the screen painted; and the status bar
// refresh that runs every 250 ms, which must never depend on the size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

#include "BenchDocument.h"
#include "BenchWindow.h"

namespace {

// A keystroke as the author makes it: press and release of `key`.
void typeKey(QWidget& target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
}

void TypeAtEnd(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    app::BodyEditor& body = window.body();
    body.setFocus();
    body.setSelection(body.length(), 0);
    window.paint();
    int column = 0;
    for (auto _ : state) {
        // Lines of 60 characters, so that the typed line stays an ordinary one.
        if (++column == 60) {
            typeKey(body, Qt::Key_Return, QStringLiteral("\r"));
            column = 0;
        } else {
            typeKey(body, Qt::Key_X, QStringLiteral("x"));
        }
        window.paint();
    }
}
BENCHMARK(TypeAtEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

void BoldAtEnd(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    app::BodyEditor& body = window.body();
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

// What the status bar computes on each refresh: the size from the control's
// length, the line and column of the selection start, the modified state.
// (The status bar's own update should be measured here once it is merged.)
void StatusRefresh(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    app::BodyEditor& body = window.body();
    // The caret at the end of the last long line: the column is counted from
    // its start.
    int line = body.lineCount() - 1;
    while (line > 0 && body.lineStart(line) - body.lineStart(line - 1) < 8192) --line;
    body.setSelection(body.lineStart(line) - 2, 0);
    const QLocale locale;
    QString texts[3];
    for (auto _ : state) {
        const markup::Pos start = body.selectionStart();
        const int lineNumber = body.lineFromPosition(start) + 1;
        const int column = body.caretColumn() + 1;
        texts[0] = locale.toString(static_cast<qlonglong>(body.length())) + QStringLiteral(" Bytes");
        texts[1] = QStringLiteral("Ln:%1 Col:%2").arg(lineNumber).arg(column);
        texts[2] = body.isModified() ? QStringLiteral("Modified") : QStringLiteral("Unmodified");
        benchmark::DoNotOptimize(texts);
    }
    state.counters["column"] = body.caretColumn() + 1;
}
BENCHMARK(StatusRefresh)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace
