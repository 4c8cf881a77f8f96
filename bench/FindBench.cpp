// Replace All and Go to line through their commands and dialogs on the real
// control, highlighting on. Replace All replaces 10,000 matches per MB
// (100,000 in the 10 MB document) from the Replace dialog's button; the pure
// pass is measured beside it, and so is the worst case: a one-line document of
// nothing but the find text. Go to line jumps near the end of the document.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "dialogs/FindDialog.h"
#include "markup/FindReplace.h"

namespace {

// Replace All of `find` by `replacement` in `doc` from the Replace dialog's
// button, until the count is reported.
void replaceAllThroughTheDialog(benchmark::State& state, const std::string& doc, const char* find,
                                const char* replacement)
{
    bench::BenchWindow window;
    window.run("Replace1Click");
    auto* dialog = window.window()->findChild<dialogs::ReplaceDialog*>();
    if (!dialog) return state.SkipWithError("no Replace dialog");
    bench::PageFaults faults;
    for (auto _ : state) {
        state.PauseTiming();
        window.open(doc);
        // Opening a document empties the dialog's fields.
        dialog->setFindText(QString::fromLatin1(find));
        dialog->setReplaceText(QString::fromLatin1(replacement));
        faults.start();
        state.ResumeTiming();
        emit dialog->replaceAllClicked();
        window.paint();
        faults.stop();
    }
    faults.report(state);
    // The message box's text, e.g. "100000 replacements made."
    state.counters["matches"] = window.interaction.lastMessage.split(QLatin1Char(' ')).value(0).toDouble();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

void ReplaceAll(benchmark::State& state)
{
    replaceAllThroughTheDialog(state, bench::documentWithMatches(static_cast<int>(state.range(0))), bench::kFindText,
                               bench::kReplaceText);
}

// Every byte a match, the result twice the size: "a" by "bb" on one line of "a".
void ReplaceAllEverywhere(benchmark::State& state)
{
    replaceAllThroughTheDialog(state, std::string(static_cast<size_t>(state.range(0)) << 20, 'a'), "a", "bb");
}

void ReplaceAllPass(benchmark::State& state)
{
    const std::string& doc = bench::documentWithMatches(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(markup::replaceAllMatches(doc, bench::kFindText, bench::kReplaceText));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}

[[maybe_unused]] const bool kRegistered = [] {
    bench::registerWholeDocument("ReplaceAll", ReplaceAll);
    bench::registerWholeDocument("ReplaceAllPass", ReplaceAllPass);
    bench::registerWholeDocument("ReplaceAllEverywhere", ReplaceAllEverywhere);
    return true;
}();

// Edit > Go to line with a number typed into the dialog and Go pressed,
// alternately to the tenth line from the end and to the line a tenth of the
// document before the end, so that the view scrolls each time.
void GoToLine(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    const int lines = markup::goToLineCount(window.body());
    int target = lines - 10;
    window.interaction.onModal = [&target](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtGoLine"))->setText(QString::number(target));
        dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        return dialog.result();
    };
    for (auto _ : state) {
        target = target == lines - 10 ? lines - lines / 10 : lines - 10;
        window.run("EditGoToLineClick");
        window.paint();
    }
    if (window.body().lineFromPosition(window.body().caretPosition()) + 1 != target)
        state.SkipWithError("the caret is not on the line gone to");
}
BENCHMARK(GoToLine)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
