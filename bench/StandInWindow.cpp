// The stand-in main window of the benchmarks.
#include "StandInWindow.h"

#include <QApplication>
#include <QToolBar>

#include "interaction/Captions.h"
#include "markup/Highlighter.h"

namespace bench {

StandInWindow::StandInWindow() : window_(std::make_unique<QMainWindow>()), options_(settings::LoadOptions())
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

StandInWindow::~StandInWindow()
{
    while (waitDepth_ > 0) endWait();
}

void StandInWindow::LoadOptions()
{
    options_ = settings::LoadOptions();
    registry.optionsLoaded();
}

void StandInWindow::RecolourNearCaret(int linesBack, int extraLines)
{
    if (highlighting_) markup::RecolourNearCaret(*body_, linesBack, extraLines);
}

void StandInWindow::ColourDocument()
{
    if (highlighting_) commands::colourDocumentWithWait(*this);
}

void StandInWindow::beginWait(const QString& caption)
{
    if (waitDepth_++ == 0) savedTitle_ = window_->windowTitle();
    window_->setWindowTitle(caption);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void StandInWindow::endWait()
{
    if (waitDepth_ == 0) return;
    QApplication::restoreOverrideCursor();
    if (--waitDepth_ == 0) window_->setWindowTitle(savedTitle_);
}

}  // namespace bench
