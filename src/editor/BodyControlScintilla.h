// The Scintilla component inside BodyControl, for the adapter's own files
// only: nothing outside src/editor includes it, so the rest of the program
// never sees the component's interface.
#pragma once

#include <Qsci/qsciscintilla.h>

#include "editor/BodyControl.h"

namespace editor {

// The editing component itself: it reports every key to its owner before
// handling it, and hands it the files dropped on it.
class BodyControl::Scintilla : public QsciScintilla {
public:
    Scintilla(BodyControl& owner) : QsciScintilla(&owner), owner_(owner) {}

protected:
    // Whatever an event changed (a key, a drop, a paste with the mouse) needs
    // no styling; see markStyled.
    bool event(QEvent* event) override
    {
        const bool handled = QsciScintilla::event(event);
        owner_.markStyled();
        return handled;
    }
    bool viewportEvent(QEvent* event) override
    {
        const bool handled = QsciScintilla::viewportEvent(event);
        owner_.markStyled();
        return handled;
    }
    // BodyControlInput.cpp
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    BodyControl& owner_;
};

}  // namespace editor
