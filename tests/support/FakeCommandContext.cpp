// The stand-in main window of command-module tests.
#include "FakeCommandContext.h"

#include <QToolBar>

#include "commands/CommandContext.h"
#include "interaction/Captions.h"
#include "markup/Highlighter.h"

namespace testing_support {

FakeCommandContext::FakeCommandContext() : window_(std::make_unique<QMainWindow>()), options_(settings::LoadOptions())
{
    window_->setWindowTitle(QString::fromLatin1(interaction::kUntitled) +
                            QString::fromLatin1(interaction::TitleSuffix));
    // The menus and bars the modules reach by name; the bars stay hidden.
    commands_ = new commands::CommandUi(*window_, registry);
    commands_->build();
    for (QToolBar* bar : {commands_->standardBar(), commands_->formatBar(), commands_->customBar()}) bar->hide();
    body_ = new editor::BodyControl(window_.get());
    window_->setCentralWidget(body_);
    window_->resize(640, 480);
    commands::trackKeyFlags(*body_, *this);
}

FakeCommandContext::~FakeCommandContext()
{
    while (waitDepth > 0) endWait();
}

void FakeCommandContext::LoadOptions()
{
    options_ = settings::LoadOptions();
    registry.optionsLoaded();
}

void FakeCommandContext::RecolourNearCaret(int linesBack, int extraLines)
{
    recolours.emplace_back(linesBack, extraLines);
    if (highlighting_) markup::RecolourNearCaret(*body_, linesBack, extraLines);
}

void FakeCommandContext::ColourDocument()
{
    ++documentColourings;
    if (highlighting_) commands::colourDocumentWithWait(*this);
}

void FakeCommandContext::beginWait(const QString& caption)
{
    if (waitDepth++ == 0) savedTitle_ = window_->windowTitle();
    waitCaptions << caption;
    window_->setWindowTitle(caption);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void FakeCommandContext::endWait()
{
    if (waitDepth == 0) return;
    QApplication::restoreOverrideCursor();
    if (--waitDepth == 0) window_->setWindowTitle(savedTitle_);
}

void FakeCommandContext::load(std::string_view text, markup::Pos caret, markup::Pos selected)
{
    body_->loadText(text);
    body_->setSelection(caret, selected);
}

void FakeCommandContext::run(const char* command)
{
    EXPECT_TRUE(registry.run(QString::fromLatin1(command))) << command;
}

}  // namespace testing_support
