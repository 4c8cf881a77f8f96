// The page checker's marks in the control: a squiggle indicator and a margin
// marker of their own numbers, out of the way of Scintilla's defaults.
#include <algorithm>

#include "editor/BodyControlScintilla.h"

namespace editor {
namespace {

constexpr int kProblemIndicator = 12;  // below 8 belong to lexers
constexpr int kProblemMarker = 20;     // 25..31 are the fold markers
constexpr int kProblemMargin = 1;
constexpr long kProblemRed = 0x2020E0;  // Scintilla colours are 0xBBGGRR

}  // namespace

void BodyControl::markProblems(const std::vector<std::pair<markup::Pos, markup::Pos>>& ranges)
{
    clearProblemMarks();
    send(QsciScintillaBase::SCI_INDICSETSTYLE, kProblemIndicator, QsciScintillaBase::INDIC_SQUIGGLE);
    send(QsciScintillaBase::SCI_INDICSETFORE, kProblemIndicator, kProblemRed);
    send(QsciScintillaBase::SCI_MARKERDEFINE, kProblemMarker, QsciScintillaBase::SC_MARK_CIRCLE);
    send(QsciScintillaBase::SCI_MARKERSETBACK, kProblemMarker, kProblemRed);
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, kProblemIndicator);
    int lastLine = -1;
    for (const auto& [start, length] : ranges) {
        send(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), std::max<long>(length, 1));
        const int line =
            static_cast<int>(send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start)));
        if (line != lastLine) send(QsciScintillaBase::SCI_MARKERADD, static_cast<unsigned long>(line), kProblemMarker);
        lastLine = line;
    }
    const int width = static_cast<int>(send(QsciScintillaBase::SCI_TEXTHEIGHT, 0)) * 2 / 3;
    send(QsciScintillaBase::SCI_SETMARGINWIDTHN, kProblemMargin, ranges.empty() ? 0 : width);
}

void BodyControl::clearProblemMarks()
{
    send(QsciScintillaBase::SCI_SETINDICATORCURRENT, kProblemIndicator);
    send(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0, send(QsciScintillaBase::SCI_GETLENGTH));
    send(QsciScintillaBase::SCI_MARKERDELETEALL, kProblemMarker);
    send(QsciScintillaBase::SCI_SETMARGINWIDTHN, kProblemMargin, 0);
}

std::vector<std::pair<markup::Pos, markup::Pos>> BodyControl::problemMarks() const
{
    std::vector<std::pair<markup::Pos, markup::Pos>> ranges;
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    for (long p = 0; p < length;) {
        const long end = send(QsciScintillaBase::SCI_INDICATOREND, kProblemIndicator, p);
        if (end <= p) break;
        if (send(QsciScintillaBase::SCI_INDICATORVALUEAT, kProblemIndicator, p)) ranges.emplace_back(p, end - p);
        p = end;
    }
    return ranges;
}

}  // namespace editor
