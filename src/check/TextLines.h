// Lines and columns of a page: a line ends at CR LF, CR or LF (as the grammar
// library counts them), a column counts characters (UTF-8 sequences; a byte
// that starts none counts one).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace check {

class TextLines {
public:
    explicit TextLines(std::string_view text);
    // 1-based line and column of a byte offset. Look-ups in order along a
    // line go on from the last one, so that many on one long line stay linear.
    int lineOf(size_t offset) const;
    int columnOf(size_t offset) const;
    // The byte offset of a 1-based line and column, clamped to the text.
    size_t offsetOf(int line, int column) const;

private:
    std::string_view text_;
    std::vector<size_t> starts_;
    // The last place looked up: a line, a column on it and its offset.
    mutable int lastLine_ = 1, lastColumn_ = 1;
    mutable size_t lastOffset_ = 0;
};

}  // namespace check
