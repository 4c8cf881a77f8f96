// Decoding and encoding a 10 MB document must be plain linear passes: each is
// measured beside a bare memchr scan of the same bytes (the machine's limit),
// for UTF-8 with CR LF (held as it is), UTF-8 with LF (converted both ways)
// and Windows-1252 (transcoded both ways).
#include <benchmark/benchmark.h>

#include <cstring>

#include "app/DocumentFile.h"

namespace {

enum Kind { Utf8CrLf, Utf8Lf, Cp1252Lf };

std::string fileBytes(Kind kind)
{
    const char* line = kind == Cp1252Lf
                           ? "<p class=\"x\">Some text with <b>tags</b> and caf\xE9 \x80 \x93q\x94.</p>\n"
                           : "<p class=\"x\">Some text with <b>tags</b> and caf\xC3\xA9 \xE2\x82\xAC.</p>\n";
    std::string out;
    out.reserve((10u << 20) + 100);
    while (out.size() < (10u << 20)) {
        out += line;
        if (kind == Utf8CrLf) out.insert(out.size() - 1, 1, '\r');
    }
    return out;
}

const char* kindName(Kind kind)
{
    return kind == Utf8CrLf ? "10 MB UTF-8 CR LF" : kind == Utf8Lf ? "10 MB UTF-8 LF" : "10 MB Windows-1252 LF";
}

void MemchrBaseline(benchmark::State& state)
{
    const std::string bytes = fileBytes(Utf8Lf);
    for (auto _ : state) {
        size_t count = 0;
        for (const char* p = bytes.data();
             (p = static_cast<const char*>(std::memchr(p, '<', bytes.data() + bytes.size() - p))); ++p)
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetLabel("10 MB, every '<'");
}
BENCHMARK(MemchrBaseline)->Unit(benchmark::kMillisecond);

void Decode(benchmark::State& state)
{
    const auto kind = static_cast<Kind>(state.range(0));
    const std::string bytes = fileBytes(kind);
    for (auto _ : state) benchmark::DoNotOptimize(app::decodeDocument(bytes));
    state.SetLabel(kindName(kind));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(Decode)->DenseRange(Utf8CrLf, Cp1252Lf)->Unit(benchmark::kMillisecond);

void Encode(benchmark::State& state)
{
    const auto kind = static_cast<Kind>(state.range(0));
    const app::LoadedDocument doc = app::decodeDocument(fileBytes(kind));
    for (auto _ : state) benchmark::DoNotOptimize(app::encodeDocument(doc.text, doc.format));
    state.SetLabel(kindName(kind));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.text.size()));
}
BENCHMARK(Encode)->DenseRange(Utf8CrLf, Cp1252Lf)->Unit(benchmark::kMillisecond);

}  // namespace
