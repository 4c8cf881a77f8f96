// Editing at the end of a large document must cost the same as at the end of
// a small one: one typed character through the real control, at 1 and 50 MB.
#include <benchmark/benchmark.h>

#include "BenchDocument.h"
#include "app/BodyEditor.h"

namespace {

void TypeAtEnd(benchmark::State& state)
{
    app::BodyEditor body;
    body.loadText(bench::htmlDocument(static_cast<int>(state.range(0))));
    body.setSelection(body.length(), 0);
    for (auto _ : state) body.replaceSelection("x");
    state.SetLabel(std::to_string(state.range(0)) + " MB");
}
BENCHMARK(TypeAtEnd)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace
