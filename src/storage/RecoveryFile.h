// The recovery file of an editor instance: what a snapshot of unsaved work
// holds (the document's path, its format and the text byte for byte) and
// where it is kept (see app/Recovery, which writes and offers them).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "storage/DocumentFile.h"

namespace storage {

// What a snapshot records besides the text.
struct DocumentName {
    QString path;  // empty while untitled
    DocumentFormat format;
};

struct RecoveredText {
    DocumentName name;
    std::string text;  // as the editor held it
};

// $XDG_STATE_HOME/Corvantis/Quillon/recovery (default ~/.local/state/...).
QString recoveryFolder();
// The recovery file of the process `pid`: its id is its name.
QString recoveryFileOf(qint64 pid);

// A recovery file: the line "QUILLON-RECOVERY 1 ENCODING BREAKS LENGTH", the
// path's LENGTH bytes (as the file system names it) and a line feed, then the
// text byte for byte. decodeRecovery is empty for anything else.
std::string encodeRecovery(const DocumentName& name, std::string_view text);
// The part before the text.
std::string recoveryHeader(const DocumentName& name);
std::optional<RecoveredText> decodeRecovery(std::string bytes);

}  // namespace storage
