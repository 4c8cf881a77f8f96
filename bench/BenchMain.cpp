// Entry point of the benchmarks: a QApplication on the offscreen platform, so
// that the real editing control can be measured, with a temporary HOME so that
// no command reads or writes the real settings. With "--open-and-measure FILE"
// it is instead the fresh process whose memory PeakMemory measures; with
// "--write-document MB FILE" it writes the generated document of that size
// (to time other editors with the same bytes), "--write-long-line MB FILE" the
// minified page of that size (all on one line); with "--open FILE" it opens
// the file in the stand-in main window and waits, as an editor started with it.
#include <benchmark/benchmark.h>

#include <sched.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchDocument.h"
#include "BenchWindow.h"
#include "editor/BodyControl.h"
#include "editor/LargeBlocks.h"

namespace {

// The offscreen platform warns on every shown window and raised dialog that it
// cannot pass on size hints or raise it; that is expected here and would bury
// the results.
QtMessageHandler standardHandler = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Run under a real-time policy (chrt, for steady figures on a busy machine),
// the benchmarks keep it to themselves: a browser the live rows start would
// inherit it and, busy with a large page, hold both cores from everything
// else (a run on 8 December 2026 stalled the machine for ten minutes).
void keepRealTimeToItself()
{
    const int policy = sched_getscheduler(0);
    sched_param param{};
    if ((policy == SCHED_FIFO || policy == SCHED_RR) && sched_getparam(0, &param) == 0)
        sched_setscheduler(0, policy | SCHED_RESET_ON_FORK, &param);
}

}  // namespace

int main(int argc, char** argv)
{
    keepRealTimeToItself();
    // As the editor does (src/main.cpp); QUILLON_BENCH_PLAIN_MEMORY=1 measures
    // without it, for comparison.
    if (qEnvironmentVariableIntValue("QUILLON_BENCH_PLAIN_MEMORY") == 0) editor::setUpMemoryForLargeDocuments();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietMessages);
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    QApplication app(argc, argv);
    editor::BodyControl::installPlainAccessibility();
    if (argc == 3 && std::strcmp(argv[1], "--open-and-measure") == 0) return bench::openAndMeasure(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) {
        bench::BenchWindow window;
        QString error;
        if (!bench::openFile(window, QString::fromLocal8Bit(argv[2]), &error)) return 1;
        return QApplication::exec();
    }
    const bool longLine = argc == 4 && std::strcmp(argv[1], "--write-long-line") == 0;
    if (longLine || (argc == 4 && std::strcmp(argv[1], "--write-document") == 0)) {
        QFile file(QString::fromLocal8Bit(argv[3]));
        const int mb = std::atoi(argv[2]);
        const std::string text =
            longLine ? bench::minifiedPage(static_cast<size_t>(mb) << 20) : bench::htmlDocument(mb);
        const bool written =
            file.open(QIODevice::WriteOnly) &&
            file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
        return written ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
