// Line starts found once; each look-up a binary search and a walk along one line.
#include "check/TextLines.h"

#include <algorithm>

#include "markup/Text.h"

namespace check {

TextLines::TextLines(std::string_view text) : text_(text)
{
    starts_.push_back(0);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (c == '\r' || c == '\n') starts_.push_back(i + 1);
    }
}

int TextLines::lineOf(size_t offset) const
{
    return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin());
}

int TextLines::columnOf(size_t offset) const
{
    const int line = lineOf(offset);
    const bool goOn = line == lastLine_ && offset >= lastOffset_;
    int column = goOn ? lastColumn_ : 1;
    size_t i = goOn ? lastOffset_ : starts_[static_cast<size_t>(line - 1)];
    for (; i < offset && i < text_.size(); ++i)
        if (!markup::isContinuationByte(static_cast<unsigned char>(text_[i]))) ++column;
    lastLine_ = line, lastColumn_ = column, lastOffset_ = i;
    return column;
}

size_t TextLines::offsetOf(int line, int column) const
{
    const size_t index = static_cast<size_t>(std::clamp(line, 1, static_cast<int>(starts_.size())) - 1);
    const int wanted = static_cast<int>(index) + 1;
    const bool goOn = wanted == lastLine_ && column >= lastColumn_;
    size_t i = goOn ? lastOffset_ : starts_[index];
    int c = goOn ? lastColumn_ : 1;
    const size_t lineEnd = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    for (; c < column && i < lineEnd; ++c) {
        ++i;
        while (i < lineEnd && markup::isContinuationByte(static_cast<unsigned char>(text_[i]))) ++i;
    }
    i = std::min(i, text_.size());
    lastLine_ = wanted, lastColumn_ = c, lastOffset_ = i;
    return i;
}

}  // namespace check
