// The custom tag list's entries, their insertion and the list file.
#include "TagList.h"

#include <QFileInfo>

namespace dialogs {

QStringList defaultTagList()
{
    static const char* const kDefaults[] = {
        R"(<a href=""></a>)",
        "<address></address>",
        "<big></big>",
        "<cite></cite>",
        "<dd></dd>",
        "<dt></dt>",
        R"(<img src="">)",
        "<li></li>",
        "<marquee></marquee>",
        R"(<meta http-equiv="refresh" content="1;url=">)",
        "<nobr>",
        "<ol></ol>",
        "<p></p>",
        "<strong></strong>",
        "<samp></samp>",
        "<sup></sup>",
        "<td></td>",
        "<th></th>",
        "<tr></tr>",
        "<ul></ul>",
    };
    QStringList entries;
    for (const char* e : kDefaults) entries << QString::fromLatin1(e);
    return entries;
}

QStringList splitTagList(QStringView text)
{
    QStringList entries;
    qsizetype from = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        entries << text.mid(from, i - from).toString();
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        from = i + 1;
    }
    if (from < n) entries << text.mid(from).toString();
    return entries;
}

std::string joinTagList(const QStringList& entries)
{
    std::string text;
    for (const QString& e : entries) {
        text += e.toStdString();
        text += "\r\n";
    }
    return text;
}

QString tagListEditorText(const QStringList& entries)
{
    QString text = entries.join(u'\n');
    if (!entries.isEmpty() && entries.last().isEmpty()) text += u'\n';
    return text;
}

bool insertTagListEntry(markup::TextEditor& editor, std::string_view entry)
{
    const size_t gt = entry.find('>');
    if (gt == std::string_view::npos) {
        editor.replaceSelection(entry);
        return false;
    }
    const std::string_view start = entry.substr(0, gt + 1);
    const std::string_view end = entry.substr(gt + 1);
    const std::string selected = editor.selectedText();
    if (selected.empty())
        editor.replaceSelection(entry);
    else
        editor.replaceSelection(std::string(start) + selected + std::string(end));
    editor.setSelection(editor.selectionStart() - static_cast<markup::Pos>(end.size()), 0);
    return true;
}

TagListRead readTagList(const QString& path)
{
    TagListRead read;
    if (!QFileInfo::exists(path)) return read;
    storage::LoadedDocument document;
    QString reason;
    if (!storage::loadDocumentFile(path, &document, &reason)) {
        read.status = TagListRead::Status::Failed;
        read.message = storage::openFailure(path, reason);
        return read;
    }
    read.status = TagListRead::Status::Read;
    read.entries = splitTagList(QString::fromStdString(document.text));
    read.format = document.format;
    return read;
}

QString writeTagList(const QString& path, const QStringList& entries, const storage::DocumentFormat& format)
{
    const std::string text = joinTagList(entries);
    storage::DocumentFormat written = format;
    if (written.encoding != storage::Encoding::Utf8 && storage::firstUnencodable(text, written)) {
        written.encoding = storage::Encoding::Utf8;
        written.charset.clear();
    }
    QString reason;
    if (!storage::saveDocumentFile(path, text, written, &reason)) return storage::saveFailure(path, reason);
    return {};
}

QStringList loadTagList(const QString& path, const QStringList& fallback, QString* message)
{
    TagListRead read = readTagList(path);
    switch (read.status) {
        case TagListRead::Status::Read:
            return read.entries;
        case TagListRead::Status::Failed:
            *message = read.message;
            return fallback;
        case TagListRead::Status::Missing:
            break;
    }
    const QStringList defaults = defaultTagList();
    *message = writeTagList(path, defaults, {});
    return defaults;
}

QString lineCountText(int lines)
{
    return QString::number(lines) + QStringLiteral(" Lines");
}

}  // namespace dialogs
