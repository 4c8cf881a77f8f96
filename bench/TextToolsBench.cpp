// The whole-document text tools over a generated 10 MB page (about 750,000
// tags, CR LF, Latin-1 letters and entities) through the real editing control
// and the registered commands: tag case both ways, tag removal and entities
// both ways (budget 150 ms each), beside a bare memchr scan of the same bytes.
#include <benchmark/benchmark.h>

#include <QWidget>
#include <cstring>

#include "app/BodyEditor.h"
#include "app/CommandModules.h"
#include "app/CommandRegistry.h"
#include "app/EditorContext.h"
#include "markup/Entities.h"
#include "markup/TagCaseConversion.h"

namespace {

const std::string& page()
{
    static const std::string text = [] {
        const std::string line =
            "<p class=\"c\"><b>Caf\xc3\xa9</b> &amp; <A HREF=\"Page.Html\">Link</A> \xc3\xa9t\xc3\xa9 "
            "na\xc3\xafve</p>\r\n";
        std::string out;
        out.reserve((10u << 20) + line.size());
        while (out.size() < (10u << 20)) out += line;
        return out;
    }();
    return text;
}

// Just enough of the main window for the command modules; highlighting off.
class BenchContext final : public app::EditorContext {
public:
    BenchContext() { app::registerTextToolCommands(*this, registry); }
    app::BodyEditor& body() override { return body_; }
    QWidget* window() override { return &window_; }
    const settings::Options& options() const override { return options_; }
    void loadOptions() override {}
    bool highlightingOn() const override { return false; }
    void setHighlightingOn(bool) override {}
    void recolourNearCaret(int, int) override {}
    void colourDocument() override {}
    markup::KeyFlags& keyFlags() override { return flags_; }
    void beginWait(const QString&) override {}
    void endWait() override {}
    QString documentPath() const override { return {}; }
    bool saveDocument(bool) override { return false; }
    app::CommandRegistry registry;

private:
    QWidget window_;
    app::BodyEditor body_{&window_};
    settings::Options options_;
    markup::KeyFlags flags_;
};

void runPass(benchmark::State& state, const char* command, const std::string& input)
{
    BenchContext context;
    for (auto _ : state) {
        state.PauseTiming();
        context.body().loadText(input);
        state.ResumeTiming();
        context.registry.run(QString::fromLatin1(command));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void ConvertTagsUpper(benchmark::State& state)
{
    runPass(state, "ToolsConvertUpperClick", page());
}
void ConvertTagsLower(benchmark::State& state)
{
    runPass(state, "ToolsConvertLowerClick", page());
}
void RemoveAllTags(benchmark::State& state)
{
    runPass(state, "ToolsRemoveTagsClick", page());
}
void SpecialToHtml(benchmark::State& state)
{
    runPass(state, "ToolsS2HClick", page());
}
void HtmlToSpecial(benchmark::State& state)
{
    static const std::string entities = markup::SpecialToHtml(page());
    runPass(state, "ToolsH2SClick", entities);
}

// The machine's limit: one memchr scan for "<" and ">" over the same bytes.
void MemchrScan(benchmark::State& state)
{
    const std::string& text = page();
    for (auto _ : state) {
        size_t count = 0;
        for (const char c : {'<', '>'}) {
            const char* p = text.data();
            const char* end = p + text.size();
            while ((p = static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(end - p))))) {
                ++count;
                ++p;
            }
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// The pure passes alone, to tell their share from the control's.
void PurePass(benchmark::State& state)
{
    static const std::string entities = markup::SpecialToHtml(page());
    const char* labels[] = {"tag case", "tag removal", "special to HTML", "HTML to special"};
    for (auto _ : state) {
        switch (state.range(0)) {
            case 0:
                benchmark::DoNotOptimize(markup::ConvertTagCase(page(), true));
                break;
            case 1:
                benchmark::DoNotOptimize(markup::RemoveTags(page()));
                break;
            case 2:
                benchmark::DoNotOptimize(markup::SpecialToHtml(page()));
                break;
            default:
                benchmark::DoNotOptimize(markup::HtmlToSpecial(entities));
                break;
        }
    }
    state.SetLabel(labels[state.range(0)]);
}

BENCHMARK(MemchrScan)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ConvertTagsUpper)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ConvertTagsLower)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RemoveAllTags)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SpecialToHtml)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(HtmlToSpecial)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(PurePass)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
