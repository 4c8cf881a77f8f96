// Entry point of Quillon Pro: the batch mode, --help and --version without a
// display, else the application object and the main window.
#include <QApplication>
#include <QFile>
#include <QStringList>

#include "app/Application.h"
#include "cli/Batch.h"
#include "cli/Check.h"
#include "cli/CommandLine.h"
#include "editor/LargeBlocks.h"

int main(int argc, char** argv)
{
    editor::setUpMemoryForLargeDocuments();
    // The text tools on files: no window, no display.
    if (cli::isBatchCommandLine(argc, argv)) return cli::runBatch(argc, argv);
    if (cli::isCheckCommandLine(argc, argv)) return cli::runCheck(argc, argv);
    if (const auto answered = cli::answerInformationOptions(argc, argv)) return *answered;
    cli::SplitArguments words = cli::splitAtDashes(argc, argv);
    int qtArgc = static_cast<int>(words.forQt.size()) - 1;
    QApplication application(qtArgc, words.forQt.data());
    // What is left of those words once Qt has taken its options, then every
    // word after "--", decoded as file names are. (Qt 6 turns bytes that are
    // not valid UTF-8 into U+FFFD: the document lifecycle refuses a name that
    // then no longer names its file exactly.)
    QStringList arguments;
    for (int i = 1; i < qtArgc; ++i) arguments << QFile::decodeName(words.forQt[static_cast<size_t>(i)]);
    return app::run(application, arguments + words.afterDashes);
}
