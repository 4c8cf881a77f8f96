// Editing at the end of a large document must cost the same as at the end of
// a small one: one typed character through the real control, at 1 and 50 MB.
#include <benchmark/benchmark.h>

#include "app/BodyEditor.h"

namespace {

std::string document(size_t bytes)
{
    static const std::string line = "<p class=\"x\">Some text with <b>tags</b> and caf\xc3\xa9.</p>\r\n";
    std::string out;
    out.reserve(bytes + line.size());
    while (out.size() < bytes) out += line;
    return out;
}

void TypeAtEnd(benchmark::State& state)
{
    app::BodyEditor body;
    body.loadText(document(static_cast<size_t>(state.range(0)) << 20));
    body.setSelection(body.length(), 0);
    for (auto _ : state) body.replaceSelection("x");
    state.SetLabel(std::to_string(state.range(0)) + " MB");
}
BENCHMARK(TypeAtEnd)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace
