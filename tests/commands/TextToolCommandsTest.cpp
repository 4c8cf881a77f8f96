// The text-tool commands through the main window: the frame of each pass
// (captions, caret, modified flag, undo) and the guard messages. The passes
// themselves are tested in tests/markup.

#include "markup/Entities.h"
#include "markup/LineTools.h"
#include "support/MainWindowFixture.h"

namespace {

using interaction::Answer;

// What a command leaves of the undo history: emptied (nothing to undo or
// redo), one undoable step, or kept as it was (the redo of the set-up).
enum class History { Emptied, Undoable, Kept };

struct Row {
    const char* command;
    std::string before;
    markup::Pos selStart, selLength;
    Answer answer;
    std::string after;
    int caret;
    History history;
    const char* messages;  // the kinds said, in turn: Information, Question, Warning
    const char* caption;   // the wait caption, or none
    bool coloured;         // the document coloured anew
};

const std::string kSpecial = "caf\xc3\xa9\r\n\r\n\xc2\xa9 <img alt=\"\xc3\x89t\xc3\xa9\">";
const char* const kConverting = "Converting Tags - Please wait...";
const char* const kRemoving = "Removing Tags - Please wait...";
constexpr Answer kNo = Answer::No, kYes = Answer::Yes;
constexpr int kUnchecked = -1, kAtEnd = -2;  // carets

// A tag pass cannot be undone (nor an undo before it redone) but marks the
// document modified when it changed it, so that closing asks; the caret ends at
// the end of the first line; a broken tag is warned about after the work
// done. The entity passes and Text to HTML (after its question) can be undone;
// removing line breaks wants a selection and a Yes, list items selected lines
// and the tag case, and neither can be undone.
const Row kRows[] = {
    {"ToolsConvertUpperClick", "<p>One</p>\r\n<a href=\"Page.Html\">Two</a>", 3, 0, kNo,
     "<P>One</P>\r\n<A HREF=\"Page.Html\">Two</A>", 10, History::Emptied, "", kConverting, true},
    {"ToolsRemoveTagsClick", "<html><body>Text\r\nMore</body>", 3, 0, kNo, "Text\r\nMore", 4, History::Emptied, "",
     kRemoving, true},
    {"ToolsRemoveTagsClick", "<b>x</b> <i y", 3, 0, kNo, "x <i y", kUnchecked, History::Emptied, "W", kRemoving, true},
    {"ToolsConvertLowerClick", "plain > text", 3, 0, kNo, "plain > text", kUnchecked, History::Emptied, "", kConverting,
     false},
    {"ToolsS2HClick", kSpecial, 5, 0, kNo, markup::SpecialToHtml(kSpecial), 5, History::Undoable, "", nullptr, true},
    {"ToolsH2SClick", markup::SpecialToHtml(kSpecial), 5, 0, kNo, kSpecial, 5, History::Undoable, "", nullptr, true},
    {"FormatText2HtmlClick", "plain", 0, 0, kNo, "plain", kUnchecked, History::Kept, "Q", nullptr, false},
    {"FormatText2HtmlClick", "plain", 0, 0, kYes, markup::textToHtml("plain", false), kAtEnd, History::Undoable, "Q",
     nullptr, false},
    {"ToolsRemoveReturnsClick", "a\r\nb\r\nc\r\nd", 0, 0, kYes, "a\r\nb\r\nc\r\nd", kUnchecked, History::Kept, "I",
     nullptr, false},
    {"ToolsRemoveReturnsClick", "a\r\nb\r\nc\r\nd", 0, 7, kNo, "a\r\nb\r\nc\r\nd", kUnchecked, History::Kept, "Q",
     nullptr, false},
    {"ToolsRemoveReturnsClick", "a\r\nb\r\nc\r\nd", 0, 7, kYes, "a b c\r\nd", kUnchecked, History::Emptied, "Q",
     nullptr, false},
    {"ToolsListItemsClick", "l0\r\nl1\r\nl2", 0, 0, kNo, "l0\r\nl1\r\nl2", kUnchecked, History::Kept, "I", nullptr,
     false},
    {"ToolsListItemsClick", "l0\r\nl1\r\nl2", 0, 8, kNo, "<LI>l0</LI>\r\n<LI>l1</LI>\r\nl2", kUnchecked,
     History::Emptied, "", nullptr, false},
};

using TextTools = MainWindowTest;

TEST_F(TextTools, EachCommandKeepsTheFrameOfItsPass)
{
    start();
    setOption(settings::user::kLowerCase, false);
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.command) + " on " + row.before);
        load(row.before, 0);
        body().replaceSelection("x");
        body().undo();  // something to redo, which a pass that empties the history forgets too
        body().setSelection(row.selStart, row.selLength);
        window->waitCaptions.clear();
        ui.shown.clear();
        if (std::strchr(row.messages, 'Q')) ui.answer(row.answer);
        const int colourings = window->documentColourings;
        run(row.command);
        EXPECT_EQ(text(), row.after);
        if (row.caret != kUnchecked) {
            EXPECT_EQ(body().caretPosition(), row.caret == kAtEnd ? body().length() : row.caret);
        }
        const std::pair<bool, bool> history = {row.history == History::Undoable, row.history == History::Kept};
        EXPECT_EQ(std::pair(body().canUndo(), body().canRedo()), history);
        EXPECT_EQ(
            std::tuple(body().isModified(), window->documentColourings - colourings, QApplication::overrideCursor()),
            std::tuple(row.after != row.before, int(row.coloured), nullptr));
        EXPECT_EQ(window->waitCaptions, row.caption ? QStringList{row.caption} : QStringList());
        std::string said;
        for (const auto& message : ui.shown)
            said += message.kind == interaction::MessageKind::Question  ? 'Q'
                    : message.kind == interaction::MessageKind::Warning ? 'W'
                                                                        : 'I';
        EXPECT_EQ(said, row.messages);
    }
}

}  // namespace
