// The stand-in main window of command-module tests.
#include "FakeCommandContext.h"

namespace testing_support {

void FakeCommandContext::RecolourNearCaret(int linesBack, int extraLines)
{
    recolours.emplace_back(linesBack, extraLines);
    StandInWindow::RecolourNearCaret(linesBack, extraLines);
}

void FakeCommandContext::ColourDocument()
{
    ++documentColourings;
    StandInWindow::ColourDocument();
}

void FakeCommandContext::beginWait(const QString& caption)
{
    waitCaptions << caption;
    StandInWindow::beginWait(caption);
}

void FakeCommandContext::load(std::string_view text, markup::Pos caret, markup::Pos selected)
{
    body().loadText(text);
    body().setSelection(caret, selected);
}

void FakeCommandContext::run(const char* command)
{
    EXPECT_TRUE(registry.run(QString::fromLatin1(command))) << command;
}

}  // namespace testing_support
