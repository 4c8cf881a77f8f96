// The editor's comforts must keep every budget: Open and the minified page
// with the line-number margin shown (beside Open and LongLineShow of the same
// run), the tag-pair marks as the caret comes to rest at the end of the
// document, and "</" typed there with its end tag written (real key events).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "editor/LargeBlocks.h"

namespace {

void OpenLineNumbers(benchmark::State& state)
{
    const QString path = bench::htmlDocumentFile(static_cast<int>(state.range(0)));
    bench::BenchWindow window;
    window.body().setLineNumbers(true);
    bench::openEachIteration(state, window, path);
    if (window.body().lineNumberWidth() == 0) state.SkipWithError("no line numbers shown");
}

void ShowLongLineNumbered(benchmark::State& state)
{
    const std::string page = bench::minifiedPage(static_cast<size_t>(state.range(0)) << 20);
    editor::BodyControl editor;
    editor.setLineNumbers(true);
    bench::showEachIteration(state, editor, page);
    state.SetLabel(std::to_string(state.range(0)) + " MB on one line, line numbers shown");
}

// What the marks do once the caret rests in the last end tag of the document
// (</html>, whose start tag is beyond reach: the worst case, every byte within
// reach read): find the pair near the caret, mark it, paint.
void TagPairMarks(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    editor::BodyControl& body = window.body();
    const std::string_view text = body.characters();
    body.setSelection(static_cast<markup::Pos>(text.rfind("</")) + 1, 0);
    for (auto _ : state) {
        window.run("MarkTagPair");
        window.paint();
    }
    if (body.markedTags().empty()) state.SkipWithError("no tag marked");
}

// "</" typed on a new last line inside an open element, the end tag written.
void CloseTagAtEnd(benchmark::State& state)
{
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    editor::BodyControl& body = window.body();
    body.setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        body.setSelection(body.length(), 0);
        body.replaceSelection("\r\n<div>x");
        window.paint();
        state.ResumeTiming();
        bench::typeKey(body, Qt::Key_Less, QStringLiteral("<"));
        bench::typeKey(body, Qt::Key_Slash, QStringLiteral("/"));
        window.paint();
    }
    if (body.textRange(body.length() - 6, 6) != "</div>") state.SkipWithError("no end tag written");
}

BENCHMARK(ShowLongLineNumbered)->Name("LongLineShowLineNumbers")->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(TagPairMarks)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(CloseTagAtEnd)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool kRegistered = [] {
    bench::registerWholeDocument("OpenLineNumbers", OpenLineNumbers);
    return true;
}();

}  // namespace
