// Find Next, Replace and Replace All with their shared search position, on the
// headless editor.

#include "markup/FindReplace.h"
#include "support/Marked.h"

using markup::FindReplace;
using markup::Pos;
using markup::TextBuffer;
using Outcome = markup::FindReplace::Outcome;

namespace {

// A text (with its selection drawn in) and the steps run on it in turn: 'f'
// Find Next, 'r' the replace dialog's Find Next, 'R' Replace by "bb"; each
// with its outcome and the text with the selection drawn in afterwards.
struct Step {
    char op;
    const char* what;
    Outcome outcome;
    const char* after;
};
struct Script {
    const char* name;
    const char* text;
    std::vector<Step> steps;
};

using enum markup::FindReplace::Outcome;
// clang-format off
const Script kScripts[] = {
    {"FindIgnoresCaseAndContinuesAfterTheMatch", "Hello WORLD, world",
     {{'f', "world", Found, "Hello [WORLD], world"}, {'f', "world", Found, "Hello WORLD, [world]"}}},
    {"FindWrapsToTheTopOnlyAfterTheNotFound", "a-b-a",
     {{'f', "a", Found, "[a]-b-a"}, {'f', "A", Found, "a-b-[a]"}, {'f', "a", NotFound, "a-b-a|"},
      {'f', "a", Found, "[a]-b-a"}}},
    // The Kelvin sign (three bytes) is found by "k" (one byte) and selected whole.
    {"AccentedLettersAndTheKelvinSign", "caf\xc3\x89 \xe2\x84\xaag",
     {{'f', "\xc3\xa9", Found, "caf[\xc3\x89] \xe2\x84\xaag"}, {'f', "kG", Found, "caf\xc3\x89 [\xe2\x84\xaag]"}}},
    {"ReplaceDialogFindSkipsAnAdjacentMatch", "aa a",
     {{'r', "a", Found, "[a]a a"}, {'r', "a", Found, "aa [a]"}, {'r', "a", NotFound, "aa a|"}}},
    {"ReplaceReplacesTheSelectedMatchAndSelectsTheNext", "a-A-a",
     {{'r', "a", Found, "[a]-A-a"}, {'R', "a", Found, "bb-[A]-a"}, {'R', "a", Found, "bb-bb-[a]"},
      {'R', "a", NotFound, "bb-bb-bb|"}, {'R', "a", NotFound, "bb-bb-bb|"}}},
    // Nor a selection the author made.
    {"ReplaceNeverReplacesTextThatIsNoMatch", "xb [yz]", {{'R', "a", NotFound, "xb yz|"}}},
    {"EmptyFindTextDoesNothing", "a[b]c", {{'f', "", Skipped, "a[b]c"}, {'R', "", Skipped, "a[b]c"}}},
};
// clang-format on

TEST(Searches, SelectTheMatchesInTurn)
{
    for (const Script& script : kScripts) {
        SCOPED_TRACE(script.name);
        TextBuffer b = marked::buffer(script.text);
        FindReplace f;
        for (const Step& step : script.steps) {
            const Outcome outcome = step.op == 'f'   ? f.findNext(b, step.what)
                                    : step.op == 'r' ? f.findNextForReplace(b, step.what)
                                                     : f.replaceOne(b, step.what, "bb");
            EXPECT_EQ(outcome, step.outcome) << step.op << " " << step.what;
            EXPECT_EQ(marked::selection(b), step.after) << step.op << " " << step.what;
        }
    }
}

// Every match of the text as it stood, replaced; a replacement is never
// searched again.
TEST(ReplaceAllMatches, ReplacesEveryMatchOfTheTextAsItStood)
{
    // name, text, find, replace by, result, count
    const std::tuple<const char*, std::string, std::string, std::string, std::string, int> rows[] = {
        {"a_by_aa_in_aaa", "aaa", "a", "aa", "aaaaaa", 3},
        {"any_case", "Ab AB ab aB", "ab", "x", "x x x x", 4},
        {"accented_any_case", "\xc3\x89t\xc3\xa9", "\xc3\xa9", "e", "ete", 2},
        {"kelvin_sign_by_k", "\xe2\x84\xaa-k", "K", "x", "x-x", 2},
        {"adjacent_pairs", "aaaaa", "aa", "b", "bba", 2},
        {"by_nothing", "<b>x</b><B>", "<b>", "", "x</b>", 2},
        {"empty_find_text", "abc", "", "x", "abc", 0},
        {"bytes_that_are_not_utf8", "\xff\xfe\x61", "\xfe\x41", "x", "\xffx", 1},
        // The text is searched 64 KB at a time: a match across a step's end.
        {"across_a_step", std::string(65535, 'x') + "abc", "abc", "d", std::string(65535, 'x') + "d", 1},
        {"kelvin_sign_across_a_step", std::string(65534, 'x') + "\xe2\x84\xaa", "k", "y", std::string(65534, 'x') + "y",
         1}};
    for (const auto& [name, text, what, with, expected, count] : rows) {
        const markup::ReplaceAllEdit edit = markup::replaceAllMatches(text, what, with);
        EXPECT_EQ(edit.count, count) << name;
        EXPECT_EQ(edit.applyTo(text), expected) << name;
    }
}

// Replace All is one replacement leaving the caret after the last match,
// whatever the search position of Find Next.
TEST(ReplaceAll, IsOneEditEndingAfterTheLastMatch)
{
    TextBuffer b = marked::buffer("[x] aaa y");
    FindReplace f;
    f.setFindPos(5);
    EXPECT_EQ(FindReplace::replaceAll(b, "", "x"), -1);
    EXPECT_EQ(FindReplace::replaceAll(b, "a", "aa"), 3);
    EXPECT_EQ(marked::selection(b), "x aaaaaa| y");
    EXPECT_TRUE(b.isModified());
    EXPECT_EQ(f.findPos(), 5);
}

std::string tenLines(const char* eol, bool finalBreak)
{
    std::string text;
    for (int i = 1; i <= 10; ++i) text += "line" + std::to_string(i) + (i < 10 || finalBreak ? eol : "");
    return text;
}

TEST(GoToLine, CountsLinesWithoutAnEmptyLastOne)
{
    for (const char* eol : {"\r\n", "\n"})
        for (bool finalBreak : {false, true}) {
            SCOPED_TRACE(testing::PrintToString(eol) + (finalBreak ? " and a final break" : ""));
            TextBuffer b(tenLines(eol, finalBreak));
            EXPECT_EQ(markup::goToLineCount(b), 10);
            const Pos end = markup::endOfLine(b, 5);
            EXPECT_EQ(b.textRange(end - 5, 5 + static_cast<Pos>(std::strlen(eol))), "line5" + std::string(eol));
        }
    TextBuffer empty;
    EXPECT_EQ(markup::goToLineCount(empty), 1);
}

}  // namespace
