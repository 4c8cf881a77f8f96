// The headless editor: a byte string with a selection, a style byte per byte
// and a modified flag. It behaves as the Scintilla control does for every
// operation of the editor port (the contract tests prove it), so the text
// algorithms are tested here without a widget.
#pragma once

#include <string>
#include <vector>

#include "TextEditor.h"

namespace markup {

class TextBuffer final : public TextEditor {
public:
    TextBuffer() = default;
    explicit TextBuffer(std::string text);

    std::string text() const override { return text_; }
    Pos length() const override { return static_cast<Pos>(text_.size()); }
    std::string textRange(Pos start, Pos length) const override;

    Pos selectionStart() const override { return selStart_; }
    Pos selectionLength() const override { return selLength_; }
    std::string selectedText() const override;
    void setSelection(Pos start, Pos length) override;
    void replaceSelection(std::string_view text) override;
    void replaceAll(std::string_view text) override;

    int lineFromPosition(Pos pos) const override;
    Pos lineStart(int line) const override;
    int lineCount() const override;

    Pos findText(std::string_view what, Pos from, Pos to) const override;

    void setStyles(Pos start, std::string_view styles) override;
    void setStyle(Pos start, Pos length, Style style) override;
    Style styleAt(Pos pos) const override;
    void clearStyles() override;

    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    void emptyUndoBuffer() override {}

private:
    Pos clamp(Pos pos) const;
    std::string text_;
    std::string styles_;
    Pos selStart_ = 0, selLength_ = 0;
    bool modified_ = false;
};

}  // namespace markup
