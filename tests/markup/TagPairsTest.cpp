// Tag pairs over text: "|" is the caret or place, "[" "]" a selection; the
// results are drawn in with "[" "]" around each tag found (the pair) or
// around the element (Select Element).
#include "markup/TagPairs.h"
#include "support/Marked.h"

namespace {

using markup::Pos;
using markup::Span;

// The text of a marked row, with its selection (or caret) as [start, end).
struct Placed {
    std::string text;
    Pos start, end;
};
Placed place(std::string_view marked)
{
    const markup::TextBuffer b = marked::buffer(marked);
    return {b.text(), b.selectionStart(), b.selectionStart() + b.selectionLength()};
}
std::string drawn(std::string text, std::vector<Span> spans)
{
    std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.start > b.start; });
    for (Span s : spans) text.insert(static_cast<size_t>(s.end), "]").insert(static_cast<size_t>(s.start), "[");
    return text;
}
std::string pairOf(std::string_view marked)
{
    const Placed p = place(marked);
    const auto pair = markup::findTagPair(p.text, p.start);
    if (!pair) return p.text;
    return drawn(p.text, pair->partner ? std::vector{pair->tag, *pair->partner} : std::vector{pair->tag});
}

TEST(TagPairs, PairsAsABrowserReadsThem)
{
    const std::pair<const char*, const char*> rows[] = {
        {"<div>a<|b>x</b></div>", "<div>a[<b>]x[</b>]</div>"},
        {"<div>a<b>x</b>|</div>", "[<div>]a<b>x</b>[</div>]"},        // the tag after the caret first
        {"<DIV><div>x</div></|Div>", "[<DIV>]<div>x</div>[</Div>]"},  // case, nesting
        {"<a title=\"x>y\">|t</a>", "[<a title=\"x>y\">]t[</a>]"},    // ">" in a value
        {"<p>|one<p>two</p>", "[<p>]one<p>two</p>"},                  // p left open
        {"<p>one<div>x</div></|p>", "<p>one<div>x</div>[</p>]"},      // ended by the div: stray
        {"<ul><|li>a<li>b</ul>", "<ul>[<li>]a<li>b</ul>"},
        {"<ul><li>a<ul><li>b</ul></|li></ul>", "<ul>[<li>]a<ul><li>b</ul>[</li>]</ul>"},
        {"<tr><td>a<|td>b</tr>", "<tr><td>a[<td>]b</tr>"},
        {"<table><tr><td>a<table><tr><td>b</table></td></|tr></table>",
         "<table>[<tr>]<td>a<table><tr><td>b</table></td>[</tr>]</table>"},
        {"<select><option>a<option>b</|select>", "[<select>]<option>a<option>b[</select>]"},
        {"<svg><|circle/></svg>", "<svg>[<circle/>]</svg>"},
        {"<!-- <b> --><b>x</|b>", "<!-- <b> -->[<b>]x[</b>]"},  // comments skipped
        {"<script>if (a<b) x='</b>'</|script>", "[<script>]if (a<b) x='</b>'[</script>]"},
        {"|<br>x</br>", "[<br>]x</br>"},  // void elements pair with nothing
        {"|<Meta>x</meta>", "[<Meta>]x</meta>"},
        {"a | b", "a  b"},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(pairOf(text), expected) << text;
}

// Each press widens the selection to the next element around it.
TEST(TagPairs, SelectElementWidensStepByStep)
{
    const std::pair<const char*, const char*> rows[] = {
        {"<div><p>a<b>x|y</b></p></div>", "<div><p>a[<b>xy</b>]</p></div>"},
        {"<div><p>a[<b>xy</b>]</p></div>", "<div>[<p>a<b>xy</b></p>]</div>"},
        {"<ul><li>[one]\r\n<li>two</ul>", "<ul>[<li>one]\r\n<li>two</ul>"},  // ends before the white space
        {"<ul>[<li>one]\r\n<li>two</ul>", "[<ul><li>one\r\n<li>two</ul>]"},
        {"<p>a<img src=\"|x\">", "<p>a[<img src=\"x\">]"},
        {"<p>a|b", "[<p>ab]"},  // open to the end
        {"x|y", "xy"},
    };
    for (const auto& [text, expected] : rows) {
        const Placed p = place(text);
        const auto element = markup::enclosingElement(p.text, p.start, p.end);
        EXPECT_EQ(element ? drawn(p.text, {*element}) : p.text, expected) << text;
    }
}

// The end tag that "</" completes: the innermost element still open.
TEST(TagPairs, InnermostOpenElement)
{
    const std::pair<const char*, const char*> rows[] = {
        {"<div><B>bold|", "B"},
        {"<div><b>x</b>|", "div"},
        {"<ul><li>one<li>two|", "li"},
        {"<p>text<div>block|", "div"},     // the div ended the p
        {"<div><br><img src=x>|", "div"},  // void elements never stay open
        {"<style>p > a {|", "style"},      // raw text
        {"<div><!-- note |", ""},          // inside a comment
        {"<div><a href=\"|", ""},          // inside a tag
        {"text|", ""},
    };
    for (const auto& [text, expected] : rows) {
        const Placed p = place(text);
        EXPECT_EQ(markup::openElementAt(p.text, p.start), expected) << text;
    }
}

}  // namespace
