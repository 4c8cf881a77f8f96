// The element at the caret, as the live preview outlines it; "|" marks the caret.

#include "markup/CaretElement.h"

namespace {

TEST(CaretElement, IsTheInnermostOpenElementCountedAmongItsName)
{
    // text with the caret, the element's name and ordinal ("" for none)
    const std::tuple<const char*, const char*, int> rows[] = {
        {"<p>a</p><P>b<b>c|</b></p>", "b", 0},
        {"<p>a</p><P>b<b>c</b>|</p>", "p", 1},
        {"<p>a</p>|<p>b</p>", "", 0},
        {"<ul><li>a<li>b|</ul>", "li", 1},
        {"<div><img src=x><br/><img al|t=y></div>", "img", 1},
        {"<i><!-- <b> --><?x?><!doctype html>|</i>", "i", 0},
        {"<script>if (a<b) '<p>'</script><p>|", "p", 0},
        {"<textarea><p>|</textarea>", "textarea", 0},
        {"<div><span>x</div>|", "", 0},
        {"<tr><td>a<td>b</tr><tr><t|d>", "td", 2},
    };
    for (const auto& [marked, name, ordinal] : rows) {
        std::string text = marked;
        const size_t caret = text.find('|');
        text.erase(caret, 1);
        const auto found = markup::caretElement(text, caret);
        if (*name)
            EXPECT_EQ(found, (markup::CaretElement{name, ordinal})) << marked;
        else
            EXPECT_FALSE(found) << marked;
    }
}

}  // namespace
