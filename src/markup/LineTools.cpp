// The line tools as single linear passes.
#include "LineTools.h"

#include "Snippets.h"
#include "TagCase.h"

namespace markup {

std::string joinLines(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += ' ';
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string listItems(std::string_view text, bool lowerCase)
{
    const std::string open = toTagCase(std::string_view("<li>"), lowerCase);
    const std::string close = toTagCase(std::string_view("</li>"), lowerCase);
    std::string out;
    out.reserve(text.size() + 16);
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        size_t next = end;
        if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        out += open;
        out.append(text.substr(pos, end - pos));
        out += close;
        out.append(text.substr(end, next - end));
        pos = next;
    }
    return out;
}

std::string textToHtml(std::string_view text, bool lowerCase)
{
    static constexpr std::string_view kHeader =
        "<html>\r\n<head><title></title></head>\r\n\r\n<body bgcolor=\"#ffffff\">\r\n\r\n<pre>\r\n\r\n";
    // The first line break ends the text's last line, or stands as an empty
    // line when the text already ended with one.
    static constexpr std::string_view kTrailer = "\r\n</pre>\r\n\r\n</body>\r\n</html>\r\n";
    std::string out = toTagCase(kHeader, lowerCase);
    out += withCrLf(text);
    out += toTagCase(kTrailer, lowerCase);
    return out;
}

void removeLineBreaks(TextEditor& editor)
{
    if (editor.selectionLength() == 0) return;
    const Pos start = editor.selectionStart();
    editor.replaceSelection(joinLines(editor.selectedText()));
    editor.setSelection(start, 0);
}

bool convertToListItems(TextEditor& editor, bool lowerCase)
{
    const Pos start = editor.selectionStart();
    const int first = editor.lineFromPosition(start);
    const int last = editor.lineFromPosition(start + editor.selectionLength()) - 1;
    if (last < first) return false;
    const Pos from = editor.lineStart(first), to = editor.lineStart(last + 1);
    editor.setSelection(from, to - from);
    editor.replaceSelection(listItems(editor.selectedText(), lowerCase));
    return true;
}

}  // namespace markup
