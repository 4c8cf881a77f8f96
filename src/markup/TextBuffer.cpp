#include "TextBuffer.h"

#include <algorithm>

#include "FoldedPattern.h"
#include "Text.h"

namespace markup {

TextBuffer::TextBuffer(std::string text) : text_(std::move(text)), styles_(text_.size(), DefaultStyle) {}

Pos TextBuffer::clamp(Pos pos) const
{
    return std::clamp<Pos>(pos, 0, length());
}

std::string TextBuffer::textRange(Pos start, Pos length) const
{
    const Pos s = clamp(start), e = clamp(start + std::max<Pos>(length, 0));
    return text_.substr(static_cast<size_t>(s), static_cast<size_t>(e - s));
}

std::string TextBuffer::selectedText() const
{
    return textRange(selStart_, selLength_);
}

void TextBuffer::setSelection(Pos start, Pos length)
{
    // Like the control: a negative length selects backwards from start.
    Pos a = clamp(start), b = clamp(start + length);
    if (b < a) std::swap(a, b);
    selStart_ = a;
    selLength_ = b - a;
}

void TextBuffer::replaceSelection(std::string_view text)
{
    const auto s = static_cast<size_t>(selStart_), n = static_cast<size_t>(selLength_);
    text_.replace(s, n, text);
    styles_.replace(s, n, text.size(), static_cast<char>(DefaultStyle));
    selStart_ += static_cast<Pos>(text.size());
    selLength_ = 0;
    if (n != 0 || !text.empty()) modified_ = true;
}

void TextBuffer::replaceAll(std::string_view text)
{
    if (text != text_) modified_ = true;
    text_.assign(text);
    styles_.assign(text_.size(), static_cast<char>(DefaultStyle));
    selStart_ = selLength_ = 0;
}

// Lines end as in the editing control: at CR LF, at a lone LF or a lone CR.
int TextBuffer::lineFromPosition(Pos pos) const
{
    pos = clamp(pos);
    int line = 0;
    for (size_t i = 0; i < static_cast<size_t>(pos); ++i)
        if (endsLineAt(text_, i)) ++line;
    return line;
}

Pos TextBuffer::lineStart(int line) const
{
    if (line <= 0) return 0;
    int seen = 0;
    for (size_t i = 0; i < text_.size(); ++i)
        if (endsLineAt(text_, i) && ++seen == line) return static_cast<Pos>(i + 1);
    return length();
}

int TextBuffer::lineCount() const
{
    int lines = 1;
    for (size_t i = 0; i < text_.size(); ++i)
        if (endsLineAt(text_, i)) ++lines;
    return lines;
}

Pos TextBuffer::findText(std::string_view what, Pos from, Pos to) const
{
    return FoldedPattern(what).find(text_, clamp(from), clamp(to));
}

void TextBuffer::setStyles(Pos start, std::string_view styles)
{
    const Pos s = clamp(start), e = clamp(start + static_cast<Pos>(styles.size()));
    std::copy_n(styles.begin(), e - s, styles_.begin() + s);
}

void TextBuffer::setStyle(Pos start, Pos length, Style style)
{
    const Pos s = clamp(start), e = clamp(start + length);
    std::fill(styles_.begin() + s, styles_.begin() + e, static_cast<char>(style));
}

Style TextBuffer::styleAt(Pos pos) const
{
    if (pos < 0 || pos >= length()) return DefaultStyle;
    return static_cast<Style>(styles_[static_cast<size_t>(pos)]);
}

void TextBuffer::clearStyles()
{
    std::fill(styles_.begin(), styles_.end(), static_cast<char>(DefaultStyle));
}

}  // namespace markup
