// Entry point of the benchmarks: a QApplication on the offscreen platform, so
// that the real editing control can be measured, with a temporary HOME so that
// no command reads or writes the real settings. With "--open-and-measure FILE"
// it is instead the fresh process whose memory PeakMemory measures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "BenchWindow.h"
#include "app/BodyEditor.h"
#include "app/LargeBlocks.h"

namespace {

// The offscreen platform warns on every shown window that it cannot pass on
// size hints; that is expected here and would bury the results.
QtMessageHandler standardHandler = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    // As the editor does (src/main.cpp); QUILLON_BENCH_PLAIN_MEMORY=1 measures
    // without it, for comparison.
    if (qEnvironmentVariableIntValue("QUILLON_BENCH_PLAIN_MEMORY") == 0) app::setUpMemoryForLargeDocuments();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietMessages);
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    QApplication app(argc, argv);
    app::BodyEditor::installPlainAccessibility();
    if (argc == 3 && std::strcmp(argv[1], "--open-and-measure") == 0) return bench::openAndMeasure(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
