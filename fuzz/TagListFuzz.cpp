// The tag list file and its entries: reading and writing are inverses; an
// entry with a ">" goes around the selection, one without replaces it.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "dialogs/TagList.h"
#include "markup/TextBuffer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList entries = dialogs::splitTagList(text);
    FUZZ_CHECK(dialogs::splitTagList(QString::fromStdString(dialogs::joinTagList(entries))) == entries);
    FUZZ_CHECK(dialogs::splitTagList(dialogs::tagListEditorText(entries)) == entries);
    if (entries.isEmpty()) return 0;
    const std::string document = "<p>some selected text</p>";
    for (const QString& entry : entries.mid(0, 4)) {
        markup::TextBuffer buffer(document);
        buffer.setSelection(3, 4);
        const std::string e = entry.toStdString();
        dialogs::insertTagListEntry(buffer, e);
        const size_t kept = e.find('>') != std::string::npos ? 4 : 0;
        FUZZ_CHECK(buffer.text().size() == document.size() - 4 + kept + e.size());
    }
    return 0;
}
