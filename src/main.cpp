// Entry point of Quillon Pro: the application object and the main window.
#include <QApplication>

#include "app/Application.h"
#include "app/LargeBlocks.h"

int main(int argc, char** argv)
{
    app::setUpMemoryForLargeDocuments();
    QApplication application(argc, argv);
    return app::run(application);
}
