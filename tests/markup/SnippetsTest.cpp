// Snippet insertion rules over the headless editor, and the update stamp date.

#include "markup/Snippets.h"
#include "markup/TextBuffer.h"

namespace {

using markup::TextBuffer;

TEST(LinesBelowCaret, GoUnderTheCaretLine)
{
    // document, caret, file, result
    const std::tuple<const char*, int, const char*, const char*> rows[] = {
        {"a\r\nbb\r\nc", 4, "1\r\n2\r\n", "a\r\nbb\r\n1\r\n2\r\nc"},  // the middle line
        {"a\r\nb", 0, "1\n2", "a\r\n1\r\n2\r\nb"},                    // the file's last line without a break
        {"a", 1, "x\r\n", "a\r\nx"},                                  // the last line
        {"a", 0, "\r\n\r\n", "a\r\n\r\n"},                            // empty lines of the file
        {"a\r\nb", 0, "", "a\r\nb"},                                  // an empty file changes nothing
        {"", 0, "x", "\r\nx"}};                                       // an empty document
    for (const auto& [document, caret, file, expected] : rows) {
        TextBuffer b(document);
        b.setSelection(caret, 0);
        markup::insertLinesBelowCaret(b, file);
        EXPECT_EQ(b.text(), expected) << file;
        EXPECT_EQ(b.selectionStart(), caret);
    }
    // A selection spanning the insertion keeps its text, the new lines inside.
    TextBuffer b("ab\r\ncd");
    b.setSelection(1, 4);  // "b\r\nc"
    markup::insertLinesBelowCaret(b, "X");
    EXPECT_EQ(b.text(), "ab\r\nX\r\ncd");
    EXPECT_EQ(b.selectedText(), "b\r\nX\r\nc");
}

// The date of the update stamp in each time format; the same patterns caption
// the time-format buttons of the Options dialog.
TEST(StampDate, IsWrittenInTheChosenFormatInTheLocalesWords)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDateTime when(QDate(2024, 3, 7), QTime(9, 5));
    const QString longDate = english.toString(when.date(), QLocale::LongFormat);
    const QString shortDate = english.toString(when.date(), QLocale::ShortFormat);
    const QString shortTime = english.toString(when.time(), QLocale::ShortFormat);
    const std::pair<int, QString> cases[] = {
        {1, longDate},    {2, longDate + " 09:05"},      {3, shortDate}, {4, shortDate + " " + shortTime},
        {5, "Mar-07-24"}, {6, "Mar-07-24 " + shortTime}, {0, ""},        {7, ""},
        {-1, ""}};
    for (const auto& [format, text] : cases) EXPECT_EQ(markup::stampDate(format, when, english), text) << format;
    // The month name is the locale's own.
    EXPECT_EQ(markup::stampDate(5, when, QLocale(QLocale::German, QLocale::Germany)), "März-07-24");
}

}  // namespace
