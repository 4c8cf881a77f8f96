// The stand-in main window of command-module tests (StandInWindow), with a
// record of what the modules asked of the window.
#pragma once

#include <QStringList>
#include <string_view>
#include <utility>
#include <vector>

#include "StandInWindow.h"

namespace testing_support {

class FakeCommandContext : public StandInWindow {
public:
    void RecolourNearCaret(int linesBack, int extraLines) override;
    void ColourDocument() override;
    void beginWait(const QString& caption) override;

    // Loads `text` as a fresh document and selects [caret, caret + selected).
    void load(std::string_view text, markup::Pos caret = 0, markup::Pos selected = 0);
    // Runs a registered command; a missing handler fails the test.
    void run(const char* command);

    using StandInWindow::waitDepth;  // beginWait calls not yet ended

    // Records.
    std::vector<std::pair<int, int>> recolours;  // every RecolourNearCaret call, highlighting on or off
    int documentColourings = 0;                  // every ColourDocument call, highlighting on or off
    QStringList waitCaptions;                    // every caption shown by beginWait
};

}  // namespace testing_support
