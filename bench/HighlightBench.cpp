// Highlighting through the real control: colouring a generated 10 MB HTML
// document (about 800,000 tags, CR LF) in one pass and one styling call, and
// recolouring the lines around the caret at its end; each beside a bare memchr
// scan for "<" and ">" over the same bytes, the machine's limit.
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/BodyEditor.h"
#include "markup/Highlighter.h"

namespace {

// 77 bytes and six tags a line: 10 MB holds about 817,000 tags.
const std::string& tenMegabytes()
{
    static const std::string text = [] {
        const std::string line =
            "<tr><td class=\"n\">Row text &amp; caf\xc3\xa9</td><td align=\"right\">34.5</td></tr>\r\n";
        std::string out;
        const size_t size = size_t{10} << 20;
        out.reserve(size + line.size());
        while (out.size() < size) out += line;
        return out;
    }();
    return text;
}

app::BodyEditor& loadedBody()
{
    static app::BodyEditor* body = [] {
        auto* b = new app::BodyEditor;
        b->loadText(tenMegabytes());
        return b;
    }();
    return *body;
}

void MemchrScan(benchmark::State& state)
{
    const std::string& text = tenMegabytes();
    for (auto _ : state) {
        size_t tags = 0;
        const char* p = text.data();
        const char* const end = p + text.size();
        while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p))))) {
            p = static_cast<const char*>(std::memchr(p, '>', static_cast<size_t>(end - p)));
            if (!p) break;
            ++p;
            ++tags;
        }
        benchmark::DoNotOptimize(tags);
        state.counters["tags"] = static_cast<double>(tags);
    }
}
BENCHMARK(MemchrScan)->Unit(benchmark::kMillisecond);

void TagStyles(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(markup::TagStyles(tenMegabytes()));
}
BENCHMARK(TagStyles)->Unit(benchmark::kMillisecond);

void ColourDocument(benchmark::State& state)
{
    app::BodyEditor& body = loadedBody();
    for (auto _ : state) {
        state.PauseTiming();
        body.clearStyles();
        state.ResumeTiming();
        markup::ColourDocument(body);
    }
}
BENCHMARK(ColourDocument)->Unit(benchmark::kMillisecond)->Iterations(10);

void RecolourNearCaretAtEnd(benchmark::State& state)
{
    app::BodyEditor& body = loadedBody();
    for (auto _ : state) {
        body.setSelection(body.length(), 0);
        markup::RecolourNearCaret(body, 1, 1);
    }
}
BENCHMARK(RecolourNearCaretAtEnd)->Unit(benchmark::kMicrosecond);

}  // namespace
