// Entry point of Quillon Pro: the batch mode, --help and --version without a
// display, else the application object and the main window.
#include <QApplication>
#include <QFile>
#include <QStringList>
#include <string_view>
#include <vector>

#include "app/Application.h"
#include "app/Batch.h"
#include "app/LargeBlocks.h"

int main(int argc, char** argv)
{
    app::setUpMemoryForLargeDocuments();
    // The text tools on files: no window, no display.
    if (app::isBatchCommandLine(argc, argv)) return app::runBatch(argc, argv);
    if (const auto answered = app::answerInformationOptions(argc, argv)) return *answered;
    // Qt takes its own options (-style, -reverse, -nograb ...) out of every
    // word it is given, "--" or not: it sees only the words before "--", so
    // that a file named -reverse can be opened as "tagsmith -- -reverse".
    int qtArgc = 0;
    while (qtArgc < argc && std::string_view(argv[qtArgc]) != "--") ++qtArgc;
    const int afterDashes = qtArgc + 1;
    std::vector<char*> qtArgv(argv, argv + qtArgc);
    qtArgv.push_back(nullptr);
    QApplication application(qtArgc, qtArgv.data());
    // What is left of those words once Qt has taken its options, then every
    // word after "--", decoded as file names are. (Qt 6 turns bytes that are
    // not valid UTF-8 into U+FFFD: the document lifecycle refuses a name that
    // then no longer names its file exactly.)
    QStringList arguments;
    for (int i = 1; i < qtArgc; ++i) arguments << QFile::decodeName(qtArgv[i]);
    for (int i = afterDashes; i < argc; ++i) arguments << QFile::decodeName(argv[i]);
    return app::run(application, arguments);
}
