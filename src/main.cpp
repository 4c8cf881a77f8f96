// Entry point of Quillon Pro: --help and --version without a display, else the
// application object and the main window.
#include <QApplication>
#include <QFile>
#include <QStringList>

#include "app/Application.h"
#include "app/LargeBlocks.h"

int main(int argc, char** argv)
{
    app::setUpMemoryForLargeDocuments();
    if (const auto answered = app::answerInformationOptions(argc, argv)) return *answered;
    QApplication application(argc, argv);
    // What is left of argv once Qt has taken its own options, decoded as file
    // names are. (Qt 6 turns bytes that are not valid UTF-8 into U+FFFD: such
    // a name cannot be opened and is reported as missing.)
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QFile::decodeName(argv[i]);
    return app::run(application, arguments);
}
