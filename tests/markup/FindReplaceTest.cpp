// Find Next, Replace and Replace All with their shared search position, on the
// headless editor.
#include <gtest/gtest.h>

#include <cstring>

#include "markup/FindReplace.h"
#include "markup/TextBuffer.h"

using markup::FindReplace;
using markup::Pos;
using markup::TextBuffer;
using Outcome = markup::FindReplace::Outcome;

namespace {

struct Selection {
    Pos start, length;
    bool operator==(const Selection&) const = default;
};
void PrintTo(const Selection& s, std::ostream* os)
{
    *os << "(" << s.start << ", " << s.length << ")";
}
Selection selectionOf(const TextBuffer& b)
{
    return {b.selectionStart(), b.selectionLength()};
}

TEST(FindNext, IgnoresCaseAndContinuesFromTheEndOfTheMatch)
{
    TextBuffer b("Hello WORLD, world");
    FindReplace f;
    EXPECT_EQ(f.findNext(b, "world"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{6, 5}));
    EXPECT_EQ(f.findPos(), 11);
    EXPECT_EQ(f.findNext(b, "world"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{13, 5}));
}

TEST(FindNext, WrapsToTheTopOnlyAfterTheNotFoundAndLeavesNothingSelected)
{
    TextBuffer b("a-b-a");
    FindReplace f;
    EXPECT_EQ(f.findNext(b, "a"), Outcome::Found);
    EXPECT_EQ(f.findNext(b, "A"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{4, 1}));
    EXPECT_EQ(f.findNext(b, "a"), Outcome::NotFound);
    EXPECT_EQ(f.findPos(), 0);
    EXPECT_EQ(selectionOf(b), (Selection{5, 0}));
    EXPECT_EQ(f.findNext(b, "a"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{0, 1}));
}

TEST(FindNext, EmptyFindTextDoesNothing)
{
    TextBuffer b("abc");
    b.setSelection(1, 1);
    FindReplace f;
    f.setFindPos(2);
    EXPECT_EQ(f.findNext(b, ""), Outcome::Skipped);
    EXPECT_EQ(f.replaceOne(b, "", "x"), Outcome::Skipped);
    EXPECT_EQ(FindReplace::replaceAll(b, "", "x"), -1);
    EXPECT_EQ(b.text(), "abc");
    EXPECT_EQ(selectionOf(b), (Selection{1, 1}));
    EXPECT_EQ(f.findPos(), 2);
}

TEST(FindNext, AccentedLettersIgnoreCaseAndSelectWholeCharacters)
{
    // "é" finds "É"; the Kelvin sign (three bytes) is found by "k" (one byte)
    // and selected whole.
    TextBuffer b("caf\xc3\x89 \xe2\x84\xaag");
    FindReplace f;
    EXPECT_EQ(f.findNext(b, "\xc3\xa9"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{3, 2}));
    EXPECT_EQ(f.findNext(b, "kG"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{6, 4}));
    EXPECT_EQ(f.findPos(), 10);
}

TEST(ReplaceDialogFindNext, SkipsAnAdjacentMatchBecauseItStartsOnePastTheEnd)
{
    TextBuffer b("aa a");
    FindReplace f;
    EXPECT_EQ(f.findNextForReplace(b, "a"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{0, 1}));
    EXPECT_EQ(f.findPos(), 2);
    EXPECT_EQ(f.findNextForReplace(b, "a"), Outcome::Found);
    EXPECT_EQ(selectionOf(b), (Selection{3, 1}));
    EXPECT_EQ(f.findNextForReplace(b, "a"), Outcome::NotFound);
    EXPECT_EQ(f.findPos(), 0);
}

TEST(ReplaceOne, ReplacesTheSelectedMatchAndSelectsTheNext)
{
    TextBuffer b("a-A-a");
    FindReplace f;
    ASSERT_EQ(f.findNextForReplace(b, "a"), Outcome::Found);
    EXPECT_EQ(f.replaceOne(b, "a", "bb"), Outcome::Found);
    EXPECT_EQ(b.text(), "bb-A-a");
    EXPECT_EQ(selectionOf(b), (Selection{3, 1}));
    EXPECT_EQ(f.findPos(), 3 + 2 + 1);
    EXPECT_EQ(f.replaceOne(b, "a", "bb"), Outcome::Found);
    EXPECT_EQ(b.text(), "bb-bb-a");
    EXPECT_EQ(selectionOf(b), (Selection{6, 1}));
    EXPECT_EQ(f.replaceOne(b, "a", "bb"), Outcome::NotFound);
    EXPECT_EQ(b.text(), "bb-bb-bb");
    EXPECT_EQ(selectionOf(b), (Selection{8, 0}));
    EXPECT_EQ(f.findPos(), 0);
}

TEST(ReplaceOne, NeverReplacesTextThatIsNoMatch)
{
    // After the last match is replaced nothing stays selected, so a further
    // Replace changes nothing; nor does one over a selection the author made.
    TextBuffer b("xa yz");
    FindReplace f;
    ASSERT_EQ(f.findNextForReplace(b, "a"), Outcome::Found);
    EXPECT_EQ(f.replaceOne(b, "a", "b"), Outcome::NotFound);
    EXPECT_EQ(f.replaceOne(b, "a", "b"), Outcome::NotFound);
    EXPECT_EQ(b.text(), "xb yz");

    b.setSelection(3, 2);  // "yz"
    EXPECT_EQ(f.replaceOne(b, "a", "b"), Outcome::NotFound);
    EXPECT_EQ(b.text(), "xb yz");
}

struct ReplaceAllRow {
    const char* name;
    std::string text, what, with, expected;
    int count;
};

class ReplaceAllMatches : public testing::TestWithParam<ReplaceAllRow> {};

TEST_P(ReplaceAllMatches, ReplacesEveryMatchOfTheTextAsItStood)
{
    const ReplaceAllRow& row = GetParam();
    const markup::ReplaceAllEdit edit = markup::replaceAllMatches(row.text, row.what, row.with);
    EXPECT_EQ(edit.count, row.count);
    EXPECT_EQ(edit.applyTo(row.text), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReplaceAllMatches,
                         testing::Values(ReplaceAllRow{"a_by_aa_in_aaa", "aaa", "a", "aa", "aaaaaa", 3},
                                         ReplaceAllRow{"nothing_matches", "abc", "x", "y", "abc", 0},
                                         ReplaceAllRow{"any_case", "Ab AB ab aB", "ab", "x", "x x x x", 4},
                                         ReplaceAllRow{"accented_any_case", "\xc3\x89t\xc3\xa9", "\xc3\xa9", "e", "ete",
                                                       2},
                                         ReplaceAllRow{"kelvin_sign_by_k", "\xe2\x84\xaa-k", "K", "x", "x-x", 2},
                                         ReplaceAllRow{"adjacent_pairs", "aaaaa", "aa", "b", "bba", 2},
                                         ReplaceAllRow{"replacement_holds_the_find_text", "a", "a", "bab", "bab", 1},
                                         ReplaceAllRow{"by_nothing", "<b>x</b><B>", "<b>", "", "x</b>", 2},
                                         ReplaceAllRow{"line_breaks", "a\r\nb\r\n", "\r\n", "<br>", "a<br>b<br>", 2},
                                         ReplaceAllRow{"empty_find_text", "abc", "", "x", "abc", 0}),
                         [](const testing::TestParamInfo<ReplaceAllRow>& row) { return std::string(row.param.name); });

TEST(ReplaceAll, IsOneReplacementLeavingTheCaretAfterTheLastAndIgnoresFindPos)
{
    TextBuffer b("x aaa y");
    b.setSelection(0, 1);
    FindReplace f;
    f.setFindPos(5);
    EXPECT_EQ(FindReplace::replaceAll(b, "a", "aa"), 3);
    EXPECT_EQ(b.text(), "x aaaaaa y");
    EXPECT_EQ(selectionOf(b), (Selection{8, 0}));
    EXPECT_TRUE(b.isModified());
    EXPECT_EQ(f.findPos(), 5);
}

std::string tenLines(const char* eol, bool finalBreak)
{
    std::string text;
    for (int i = 1; i <= 10; ++i) text += "line" + std::to_string(i) + (i < 10 || finalBreak ? eol : "");
    return text;
}

TEST(GoToLine, CountsLinesWithoutAnEmptyLastLineAndFindsLineEnds)
{
    for (const char* eol : {"\r\n", "\n"}) {
        for (bool finalBreak : {false, true}) {
            SCOPED_TRACE(std::string(eol == std::string("\n") ? "LF" : "CRLF") + (finalBreak ? " final" : ""));
            TextBuffer b(tenLines(eol, finalBreak));
            EXPECT_EQ(markup::goToLineCount(b), 10);
            for (int line : {1, 5, 9}) {
                const Pos end = markup::endOfLine(b, line);
                EXPECT_EQ(b.textRange(end - 5, 5), "line" + std::to_string(line));
                EXPECT_EQ(b.textRange(end, static_cast<Pos>(std::strlen(eol))), eol);
            }
        }
    }
    TextBuffer empty;
    EXPECT_EQ(markup::goToLineCount(empty), 1);
}

}  // namespace
