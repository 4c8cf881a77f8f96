// The adapter's comforts: line numbers in a margin sized to the line count,
// zoom, redo, the marks of a tag pair
// (an indicator, so the colours of the text stay as they are), and the caret
// and typing signals they follow.
#include <algorithm>
#include <string>

#include "editor/BodyControl.h"
#include "editor/BodyControlScintilla.h"

namespace editor {
namespace {

// Indicators below 8 are the lexers'; this one is ours.
constexpr int kPairIndicator = 20;
constexpr long kPairColour = 0xD07000;  // 0xBBGGRR: a mid blue, readable on light and dark
// The fewest digits the margin makes room for, so that it does not widen on
// the tenth line.
constexpr int kLeastDigits = 3;

int digitsOf(long number)
{
    int digits = 1;
    for (; number >= 10; number /= 10) ++digits;
    return digits;
}

}  // namespace

void BodyControl::connectComforts()
{
    send(QsciScintillaBase::SCI_INDICSETSTYLE, kPairIndicator, QsciScintillaBase::INDIC_ROUNDBOX);
    send(QsciScintillaBase::SCI_INDICSETFORE, kPairIndicator, kPairColour);
    send(QsciScintillaBase::SCI_INDICSETALPHA, kPairIndicator, 50);
    send(QsciScintillaBase::SCI_INDICSETOUTLINEALPHA, kPairIndicator, 160);
    send(QsciScintillaBase::SCI_INDICSETUNDER, kPairIndicator, 1);
    send(QsciScintillaBase::SCI_SETMARGINTYPEN, 0, QsciScintillaBase::SC_MARGIN_NUMBER);
    connect(control_, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_CONTENT) fitLineNumbers();
        if (updated & (QsciScintillaBase::SC_UPDATE_SELECTION | QsciScintillaBase::SC_UPDATE_CONTENT))
            emit caretMoved();
    });
    connect(control_, &QsciScintillaBase::SCN_CHARADDED, this,
            [this](int character) { emit characterTyped(character); });
    connect(control_, &QsciScintillaBase::SCN_ZOOM, this, [this] {
        lineNumberDigits_ = -1;  // measured again
        fitLineNumbers();
    });
}

void BodyControl::setLineNumbers(bool on)
{
    lineNumbers_ = on;
    lineNumberDigits_ = -1;  // measured again
    fitLineNumbers();
}

int BodyControl::lineNumberWidth() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETMARGINWIDTHN, 0));
}

void BodyControl::fitLineNumbers()
{
    // The line count is kept by the control: asking costs nothing, so the
    // margin is measured again only when the number of digits changes.
    const int digits = lineNumbers_ ? std::max(kLeastDigits, digitsOf(lineCount())) : 0;
    if (digits == lineNumberDigits_) return;
    lineNumberDigits_ = digits;
    if (!lineNumbers_) {
        send(QsciScintillaBase::SCI_SETMARGINWIDTHN, 0, 0);
        return;
    }
    // Room for one more digit: half a digit of space on either side.
    const std::string nines(static_cast<size_t>(digits) + 1, '9');
    const long width = send(QsciScintillaBase::SCI_TEXTWIDTH, QsciScintillaBase::STYLE_LINENUMBER,
                            reinterpret_cast<long>(nines.c_str()));
    send(QsciScintillaBase::SCI_SETMARGINWIDTHN, 0, width);
}

void BodyControl::zoomIn()
{
    send(QsciScintillaBase::SCI_ZOOMIN);
}
void BodyControl::zoomOut()
{
    send(QsciScintillaBase::SCI_ZOOMOUT);
}
void BodyControl::zoomNormal()
{
    send(QsciScintillaBase::SCI_SETZOOM, 0);
}
int BodyControl::zoom() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETZOOM));
}

bool BodyControl::canRedo() const
{
    return send(QsciScintillaBase::SCI_CANREDO) != 0;
}

void BodyControl::redo()
{
    replayHistory(true);
}

void BodyControl::markTags(std::span<const markup::Span> tags)
{
    // Marking is a change of the text's look, which tells the caret's
    // followers again: the same marks are left as they are, or they would
    // never settle.
    if (std::ranges::equal(tags, pairMarks_)) return;
    pairMarks_.assign(tags.begin(), tags.end());
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, kPairIndicator);
    const long total = static_cast<long>(length());
    // Marks are a few runs wherever they are: clearing all of them is cheap.
    send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, total);
    for (const markup::Span& tag : tags) {
        const long start = std::clamp<long>(static_cast<long>(tag.start), 0, total);
        const long end = std::clamp<long>(static_cast<long>(tag.end), start, total);
        send(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), end - start);
    }
}

std::vector<markup::Span> BodyControl::markedTags() const
{
    std::vector<markup::Span> marked;
    const long total = static_cast<long>(length());
    for (long at = 0; at < total;) {
        const long end = send(QsciScintillaBase::SCI_INDICATOREND, kPairIndicator, at);
        if (send(QsciScintillaBase::SCI_INDICATORVALUEAT, kPairIndicator, at) != 0) marked.push_back({at, end});
        if (end <= at) break;
        at = end;
    }
    return marked;
}

}  // namespace editor
