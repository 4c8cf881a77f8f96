// Very long lines through the real control: only a window around the caret is
// shown (the rest is laid out for nothing), the window follows the caret and
// edits, colours survive hiding, and no byte of the text is ever touched.

#include "editor/BodyControl.h"
#include "editor/LongLineWindow.h"
#include "markup/Highlighter.h"

namespace {

using Pos = markup::Pos;
using editor::LongLineWindow;

// A minified page of about `bytes` bytes on one line, with tags and two-byte
// letters (so that a window end may fall inside a character).
std::string minified(size_t bytes)
{
    std::string s;
    for (int i = 0; s.size() < bytes; ++i)
        s += "<a href=\"/p" + std::to_string(i) + "\">caf\xC3\xA9 " + std::to_string(i * 7) + "</a><b>x</b> ";
    return s;
}

class LongLine : public testing::Test {
protected:
    void SetUp() override
    {
        body.resize(800, 400);
        body.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&body));
    }

    void load(const std::string& text)
    {
        body.loadText(text);
        paint();
    }
    // Paints now, as the next frame on screen would.
    void paint()
    {
        body.repaintNow();
        QApplication::processEvents();
    }
    bool shown(Pos p) { return body.isShown(p); }
    // The shown bytes of [from, to) as one span: its first and last byte and
    // how many bytes in all are shown.
    struct Span {
        Pos first = -1, last = -1, count = 0;
    };
    Span shownIn(Pos from, Pos to)
    {
        Span s;
        for (Pos p = from; p < to; ++p) {
            if (!shown(p)) continue;
            if (s.first < 0) s.first = p;
            s.last = p;
            ++s.count;
        }
        return s;
    }
    Pos caret() { return body.caretPosition(); }
    bool caretOnScreen()
    {
        const int x = body.byteRect(caret()).left();
        return x >= 0 && x < body.width();
    }

    editor::BodyControl body;
};

const std::string kHead = "<p>head</p>\r\n";
const std::string kTail = "\r\n<p>tail</p>";

TEST_F(LongLine, EveryByteIsShownWhateverTheLineEnds)
{
    // Short lines of 650 KB ended by CR alone (classic Mac), by LF, by CR LF
    // and mixed: none is long, so nothing may be hidden, also at the end.
    for (const std::string end : {"\r", "\n", "\r\n", "\r\r\n\n"}) {
        std::string text;
        for (int i = 0; text.size() < 650'000; ++i) text += "<p>line " + std::to_string(i) + "</p>" + end;
        load(text);
        body.setSelection(body.length(), 0);
        paint();
        EXPECT_EQ(shownIn(0, body.length()).count, body.length()) << testing::PrintToString(end);
    }
    // Nor of a line just under the limit.
    load(minified(LongLineWindow::kLongLine - 100));
    EXPECT_EQ(shownIn(0, body.length()).count, body.length());
}

// Only a window at the start of a long line is shown, and no byte changes;
// colouring shows nothing hidden; the window follows the caret (when it nears
// the window's edge) and typing, and colours survive hiding and showing.
TEST_F(LongLine, OnlyAWindowFollowingTheCaretIsShown)
{
    const std::string line = minified(300'000);
    const std::string text = kHead + line + kTail;
    load(text);
    EXPECT_EQ(body.text(), text);
    const Pos start = static_cast<Pos>(kHead.size()), end = start + static_cast<Pos>(line.size());
    Span s = shownIn(start, end);
    EXPECT_EQ(s.first, start);
    EXPECT_EQ(s.count, s.last - s.first + 1) << "one span";
    EXPECT_TRUE(s.count >= LongLineWindow::kWindow && s.count <= LongLineWindow::kWindow + 3) << s.count;
    EXPECT_EQ(shownIn(end, body.length()).count, body.length() - end);
    markup::ColourDocument(body);
    EXPECT_FALSE(shown(end - 1)) << "colouring shows nothing hidden";
    body.setFocus();
    QTest::keyClick(&body, Qt::Key_Down);
    QTest::keyClick(&body, Qt::Key_End);
    paint();
    EXPECT_FALSE(shown(start));
    const Pos lt = static_cast<Pos>(line.rfind("<b>")) + start;
    EXPECT_TRUE(shown(lt) && shown(lt + 3));
    EXPECT_EQ(std::pair(body.styleAt(lt), body.styleAt(lt + 3)), std::pair(markup::TagStyle, markup::DefaultStyle));
    std::string colours;
    for (Pos p = 0; p < body.length(); ++p) colours += static_cast<char>(body.styleAt(p));
    EXPECT_TRUE(colours == markup::tagStyles(text));
    QTest::keyClicks(&body, "xyz");
    paint();
    EXPECT_EQ(body.text(), kHead + line + "xyz" + kTail);
    EXPECT_TRUE(shown(end + 2));
    EXPECT_TRUE(caretOnScreen());
    const Span before = shownIn(start, end + 3);
    body.setSelection(before.first + LongLineWindow::kWindow / 2, 0);
    paint();
    EXPECT_EQ(shownIn(start, end + 3).first, before.first) << "well inside: the window stays";
    body.setSelection(before.first + 10, 0);
    paint();
    s = shownIn(start, end + 3);
    EXPECT_TRUE(s.first < before.first && s.last > before.first + 10 + LongLineWindow::kMargin);
    EXPECT_TRUE(caretOnScreen());

    // A long line that an edit brings (a paste) gets its window at the next
    // paint, as do those of a whole-document replacement.
    load(kHead + kTail);
    body.setSelection(start, 0);
    body.replaceSelection(line);
    paint();
    const Span made = shownIn(start, end);
    EXPECT_EQ(made.last, end - 1);
    EXPECT_LE(made.count, LongLineWindow::kWindow + 3);
    EXPECT_TRUE(caretOnScreen());
    body.replaceAll(line + kTail + line);
    EXPECT_LE(shownIn(0, body.length()).count, 2 * LongLineWindow::kWindow + static_cast<Pos>(kTail.size()) + 6);
}

}  // namespace
