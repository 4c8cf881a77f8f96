// Snippet insertion rules and the update stamp text.
#include "Snippets.h"

#include "TagCase.h"
#include "Text.h"

namespace markup {
namespace {

// The line the caret stands on: the line of the selection's start.
int caretLine(const TextEditor& editor)
{
    return editor.lineFromPosition(editor.selectionStart());
}

}  // namespace

void InsertCasedSnippet(TextEditor& editor, std::string_view literal, bool lowerCase)
{
    editor.replaceSelection(toTagCase(literal, lowerCase));
}

int insertBlockAboveCaret(TextEditor& editor, std::string_view block)
{
    const int k = caretLine(editor);
    editor.setSelection(editor.lineStart(k), 0);
    std::string text(block);
    text += "\r\n";
    editor.replaceSelection(text);
    return caretLine(editor) - k;
}

bool insertLinesBelowCaret(TextEditor& editor, std::string_view fileText)
{
    if (fileText.empty()) return false;
    // Each line of the file is preceded by a line break, which ends the line
    // above it; the file's own final line break has no line after it.
    std::string text = "\r\n" + withCrLf(fileText);
    if (text.size() >= 4 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    const Pos start = editor.selectionStart(), length = editor.selectionLength();
    const Pos at = lineEnd(editor, caretLine(editor));
    editor.setSelection(at, 0);
    editor.replaceSelection(text);
    const Pos grown = start + length > at ? static_cast<Pos>(text.size()) : 0;
    editor.setSelection(start, length + grown);
    return true;
}

QString stampDate(int format, const QDateTime& when, const QLocale& locale)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const auto monthDayYear = [&] {
        return locale.monthName(date.month(), QLocale::ShortFormat) + QLatin1Char('-') +
               QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')) + QLatin1Char('-') +
               QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
    };
    const QString space = QStringLiteral(" ");
    switch (format) {
        case 1:
            return locale.toString(date, QLocale::LongFormat);
        case 2:
            return locale.toString(date, QLocale::LongFormat) + space + time.toString(QStringLiteral("hh:mm"));
        case 3:
            return locale.toString(date, QLocale::ShortFormat);
        case 4:
            return locale.toString(date, QLocale::ShortFormat) + space + locale.toString(time, QLocale::ShortFormat);
        case 5:
            return monthDayYear();
        case 6:
            return monthDayYear() + space + locale.toString(time, QLocale::ShortFormat);
        default:
            return {};
    }
}

QString updateStamp(const QString& preCustom, const QString& date, const QString& trailer, bool shownAsText)
{
    const QString body = preCustom + QLatin1Char(' ') + date + QLatin1Char(' ') + trailer;
    return shownAsText ? body : QStringLiteral("<!-- ") + body + QStringLiteral(" -->");
}

}  // namespace markup
