// The whole-document text tools through the registered commands and the real
// control, highlighting on (so each pass ends by colouring the new text, as in
// the editor): tag case both ways, tag removal, entities both ways; and the
// pure passes alone, to tell their share from the control's.
#include <benchmark/benchmark.h>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "markup/Entities.h"
#include "markup/TagCaseConversion.h"

namespace {

void runCommand(benchmark::State& state, const char* command, const std::string& input)
{
    bench::BenchWindow window;
    bench::PageFaults faults;
    for (auto _ : state) {
        state.PauseTiming();
        window.open(input);
        faults.start();
        state.ResumeTiming();
        window.run(command);
        window.paint();
        faults.stop();
    }
    faults.report(state);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

int megabytes(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

void TagsToUpper(benchmark::State& state)
{
    runCommand(state, "ToolsConvertUpperClick", bench::htmlDocument(megabytes(state)));
}
void TagsToLower(benchmark::State& state)
{
    runCommand(state, "ToolsConvertLowerClick", bench::upperCaseDocument(megabytes(state)));
}
void RemoveTags(benchmark::State& state)
{
    runCommand(state, "ToolsRemoveTagsClick", bench::htmlDocument(megabytes(state)));
}
void SpecialToHtml(benchmark::State& state)
{
    runCommand(state, "ToolsS2HClick", bench::htmlDocument(megabytes(state)));
}
void HtmlToSpecial(benchmark::State& state)
{
    runCommand(state, "ToolsH2SClick", bench::entityDocument(megabytes(state)));
}

void TagCasePass(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(megabytes(state));
    for (auto _ : state) benchmark::DoNotOptimize(markup::convertTagCase(doc, true));
}
// The worst case of the tag case pass: every tag holds a keyword whose value
// has no quote after it anywhere, so each tag's search for the value's end
// runs to the end of the text unless its result is kept.
void TagCaseUnquotedValues(benchmark::State& state)
{
    std::string doc;
    while (doc.size() < (static_cast<size_t>(megabytes(state)) << 20)) doc += "<IMG SRC=A>";
    for (auto _ : state) benchmark::DoNotOptimize(markup::convertTagCase(doc, false));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}
void RemoveTagsPass(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(megabytes(state));
    for (auto _ : state) benchmark::DoNotOptimize(markup::RemoveTags(doc));
}
void SpecialToHtmlPass(benchmark::State& state)
{
    const std::string& doc = bench::htmlDocument(megabytes(state));
    for (auto _ : state) benchmark::DoNotOptimize(markup::SpecialToHtml(doc));
}
void HtmlToSpecialPass(benchmark::State& state)
{
    const std::string& doc = bench::entityDocument(megabytes(state));
    for (auto _ : state) benchmark::DoNotOptimize(markup::HtmlToSpecial(doc));
}

[[maybe_unused]] const bool kRegistered = [] {
    bench::registerWholeDocument("TagsToUpper", TagsToUpper);
    bench::registerWholeDocument("TagsToLower", TagsToLower);
    bench::registerWholeDocument("RemoveTags", RemoveTags);
    bench::registerWholeDocument("SpecialToHtml", SpecialToHtml);
    bench::registerWholeDocument("HtmlToSpecial", HtmlToSpecial);
    bench::registerWholeDocument("TagCasePass", TagCasePass);
    bench::registerWholeDocument("TagCaseUnquotedValues", TagCaseUnquotedValues);
    bench::registerWholeDocument("RemoveTagsPass", RemoveTagsPass);
    bench::registerWholeDocument("SpecialToHtmlPass", SpecialToHtmlPass);
    bench::registerWholeDocument("HtmlToSpecialPass", HtmlToSpecialPass);
    return true;
}();

}  // namespace
