// Entry point of Quillon Pro: the application object and the main window.
#include <QApplication>
#include <QStringList>

#include "app/Application.h"
#include "app/LargeBlocks.h"

int main(int argc, char** argv)
{
    app::setUpMemoryForLargeDocuments();
    QApplication application(argc, argv);
    // What is left of argv once Qt has taken its own options.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return app::run(application, arguments);
}
