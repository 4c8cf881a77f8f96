// A process that saves one file and does nothing else, so that each system
// call of the save can be counted and interrupted from outside (see
// KilledSaveTest.cpp). Usage: save_child PATH BYTE SIZE: saves SIZE copies of
// BYTE as the document PATH.
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "storage/DocumentFile.h"

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    const std::string text(std::strtoul(argv[3], nullptr, 10), argv[2][0]);
    QString error;
    if (storage::saveDocumentFile(QFile::decodeName(argv[1]), text, {}, &error)) return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
}
