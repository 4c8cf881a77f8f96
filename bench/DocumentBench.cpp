// Opening and saving documents through the real control: Open (read and
// decode into the control, colour, paint), Save (encode, write, sync), the decoding and encoding
// passes alone in each file format, and the memory the process needs with the
// 10 MB document open (measured in a fresh process of its own).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "storage/DocumentFile.h"

namespace {

void Open(benchmark::State& state)
{
    const QString path = bench::htmlDocumentFile(static_cast<int>(state.range(0)));
    bench::BenchWindow window;
    bench::PageFaults faults;
    faults.start();
    bench::openEachIteration(state, window, path);
    faults.stop();
    faults.report(state);
}

void Save(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    bench::BenchWindow window;
    window.open(bench::htmlDocument(static_cast<int>(state.range(0))));
    QString error;
    bench::PageFaults faults;
    faults.start();
    for (auto _ : state)
        if (!storage::saveDocumentFile(path, window.body().characters(), {}, &error))
            state.SkipWithError(error.toStdString().c_str());
    faults.stop();
    faults.report(state);
}

[[maybe_unused]] const bool kRegistered = [] {
    bench::registerWholeDocument("Open", Open);
    bench::registerWholeDocument("Save", Save);
    return true;
}();

// The shared document as a file of each format would hold it.
enum Format { Utf8CrLf, Utf8Lf, Cp1252Lf };

std::string fileBytes(int megabytes, Format format)
{
    const std::string& text = bench::htmlDocument(megabytes);
    if (format == Utf8CrLf) return text;
    return storage::encodeDocument(
        text, {format == Utf8Lf ? storage::Encoding::Utf8 : storage::Encoding::Windows1252, storage::LineBreaks::Lf});
}

template <Format format>
void Decode(benchmark::State& state)
{
    const std::string bytes = fileBytes(static_cast<int>(state.range(0)), format);
    for (auto _ : state) benchmark::DoNotOptimize(storage::decodeDocument(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

template <Format format>
void Encode(benchmark::State& state)
{
    const storage::LoadedDocument doc = storage::decodeDocument(fileBytes(static_cast<int>(state.range(0)), format));
    for (auto _ : state) benchmark::DoNotOptimize(storage::encodeDocument(doc.text, doc.format));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.text.size()));
}

BENCHMARK(Decode<Utf8CrLf>)->Name("DecodeUtf8CrLf")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode<Utf8Lf>)->Name("DecodeUtf8Lf")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode<Cp1252Lf>)->Name("DecodeCp1252Lf")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Encode<Utf8CrLf>)->Name("EncodeUtf8CrLf")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Encode<Utf8Lf>)->Name("EncodeUtf8Lf")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(Encode<Cp1252Lf>)->Name("EncodeCp1252Lf")->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

// The memory of a fresh process (this program, in its child mode) that starts
// like the editor and opens the document: its peak, and the part of it the
// document added. The time shown is the child's whole run.
void PeakMemory(benchmark::State& state)
{
    const int mb = static_cast<int>(state.range(0));
    const QString path = bench::htmlDocumentFile(mb);
    double peak = 0, before = 0, openMs = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open-and-measure"), path});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            state.SkipWithError("the measuring process failed");
            return;
        }
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        if (fields.size() != 3) {
            state.SkipWithError("the measuring process printed no figures");
            return;
        }
        peak = fields[0].toDouble() / 1024;
        before = fields[1].toDouble() / 1024;
        openMs = fields[2].toDouble();
    }
    const double fileMB = static_cast<double>(QFile(path).size()) / (1 << 20);
    state.counters["peak_MB"] = peak;
    state.counters["document_MB"] = peak - before;
    state.counters["file_MB"] = fileMB;
    state.counters["cold_open_ms"] = openMs;
}
BENCHMARK(PeakMemory)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

// VmHWM or VmRSS of this process, in kB.
long statusKb(const char* field)
{
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, n) == 0 && line[n] == ':') kb = std::strtol(line + n + 1, nullptr, 10);
    std::fclose(f);
    return kb;
}

}  // namespace

namespace bench {

bool openFile(BenchWindow& window, const QString& path, QString* error)
{
    // As the main window opens a file: read straight into the control.
    storage::DocumentFormat format;
    if (!window.body().loadPieces(
            [&](storage::TextSink& sink) { return storage::readDocumentFile(path, &format, sink, error); }))
        return false;
    window.opened();
    return true;
}

int openAndMeasure(const char* path)
{
    BenchWindow window;
    const long before = statusKb("VmRSS");
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!openFile(window, QString::fromLocal8Bit(path), &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const qint64 openNs = timer.nsecsElapsed();
    std::printf("%ld %ld %.1f\n", statusKb("VmHWM"), before, static_cast<double>(openNs) / 1e6);
    return 0;
}

}  // namespace bench
