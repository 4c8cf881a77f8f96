// The batch mode: `tagsmith --batch OPERATION... FILE...` runs the
// whole-document text tools on files without a window, with the passes the
// menu commands use, so that a file comes out as the menus would leave it.
// Each file is read with the document loader and written back with the safe
// save, in its own encoding and line breaks.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One whole-document pass, as its menu command runs it.
struct BatchOperation {
    enum class Kind { TagsUpper, TagsLower, RemoveTags, ToEntities, FromEntities, Replace };
    Kind kind;
    std::string find, replacement;  // Replace only
};

// The result of the operations over one text.
struct BatchResult {
    std::string text;
    std::int64_t changes = 0;  // tags changed or removed, characters converted, replacements
    bool brokenTag = false;    // a tag pass stopped at a "<" without ">"
};

// Runs `operations` over `text` (UTF-8 with CR LF, as the editor holds it) in
// order.
BatchResult runBatchOperations(std::string_view text, const std::vector<BatchOperation>& operations);

// Whether the command line asks for the batch mode: "--batch" first.
bool isBatchCommandLine(int argc, char** argv);
// Runs the batch mode over the command line and returns the exit status: 0
// when every file was done, 1 when one or more failed, 2 for a command line
// it cannot run (with a usage message on standard error).
int runBatch(int argc, char** argv);

// The usage text of the batch mode, for --help.
QString batchUsage();
// Every option of the batch mode, "--batch" first, as the parser knows them.
QStringList batchOptions();

}  // namespace cli
