// The adapter's keys and drops: which of the component's own key bindings
// stay (caret movement, deletion, Tab and Enter; the menus have the rest),
// every key reported to the owner before the component handles it, and files
// dropped on the editor handed to the owner instead of inserted as text.
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "editor/BodyControlScintilla.h"
#include "storage/FileNames.h"

namespace editor {
namespace {

// Scintilla commands that keep their keys: caret movement (with Shift to
// select), deletion, Tab and Enter. Everything else is left to the menus.
bool keepsKey(QsciCommand::Command c)
{
    using C = QsciCommand;
    switch (c) {
        case C::LineDown:
        case C::LineDownExtend:
        case C::LineUp:
        case C::LineUpExtend:
        case C::CharLeft:
        case C::CharLeftExtend:
        case C::CharRight:
        case C::CharRightExtend:
        case C::WordLeft:
        case C::WordLeftExtend:
        case C::WordRight:
        case C::WordRightExtend:
        case C::Home:
        case C::HomeExtend:
        case C::VCHome:
        case C::VCHomeExtend:
        case C::LineEnd:
        case C::LineEndExtend:
        case C::DocumentStart:
        case C::DocumentStartExtend:
        case C::DocumentEnd:
        case C::DocumentEndExtend:
        case C::PageUp:
        case C::PageUpExtend:
        case C::PageDown:
        case C::PageDownExtend:
        case C::HomeDisplay:
        case C::LineEndDisplay:
        case C::Delete:
        case C::DeleteBack:
        case C::DeleteWordLeft:
        case C::DeleteWordRight:
        case C::Tab:
        case C::Backtab:
        case C::Newline:
        case C::EditToggleOvertype:
        case C::VCHomeWrap:
        case C::VCHomeWrapExtend:
        case C::LineEndWrap:
        case C::LineEndWrapExtend:
            return true;
        default:
            return false;
    }
}

QStringList localFiles(const QDropEvent& event)
{
    return storage::droppedFiles(event.mimeData()->urls());
}

// Accepts a drag of files as a copy (the list it comes from must not take it
// for a move); false for anything else.
bool takeFiles(QDropEvent& event)
{
    if (localFiles(event).isEmpty()) return false;
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

}  // namespace

void BodyControl::Scintilla::keyPressEvent(QKeyEvent* event)
{
    emit owner_.keyDown(event->key(), event->modifiers());
    if (owner_.takeTypedThrough(event->text())) return event->accept();
    QsciScintilla::keyPressEvent(event);
}

void BodyControl::expectTypedThrough(const QString& written)
{
    typeThrough_ = {written, caretPosition(), length()};
}

// A key without text (a modifier, an arrow) leaves the expectation; an arrow
// that moves the caret, or any edit, ends it when the next text comes.
bool BodyControl::takeTypedThrough(const QString& typed)
{
    if (typed.isEmpty() || typeThrough_.rest.isEmpty()) return false;
    const bool fits = typeThrough_.rest.startsWith(typed) && selectionLength() == 0 &&
                      caretPosition() == typeThrough_.caret && length() == typeThrough_.length;
    if (!fits) {
        typeThrough_ = {};
        return false;
    }
    typeThrough_.rest.remove(0, typed.size());
    return true;
}

void BodyControl::Scintilla::keyReleaseEvent(QKeyEvent* event)
{
    emit owner_.keyUp(event->key(), event->modifiers());
    QsciScintilla::keyReleaseEvent(event);
}

// Files dragged here (from the side panel's list or a file manager) are the
// owner's: the component would insert their addresses as text.
void BodyControl::Scintilla::dragEnterEvent(QDragEnterEvent* event)
{
    if (!takeFiles(*event)) QsciScintilla::dragEnterEvent(event);
}

void BodyControl::Scintilla::dragMoveEvent(QDragMoveEvent* event)
{
    if (!takeFiles(*event)) QsciScintilla::dragMoveEvent(event);
}

void BodyControl::Scintilla::dropEvent(QDropEvent* event)
{
    if (!takeFiles(*event)) return QsciScintilla::dropEvent(event);
    emit owner_.filesDropped(localFiles(*event));
}

void BodyControl::keyPressEvent(QKeyEvent* event)
{
    // A key the component leaves comes back here through its parent: once only.
    static bool forwarding = false;
    if (forwarding) return event->ignore();
    forwarding = true;
    QCoreApplication::sendEvent(control_, event);
    forwarding = false;
}

void BodyControl::keyReleaseEvent(QKeyEvent* event)
{
    static bool forwarding = false;
    if (forwarding) return event->ignore();
    forwarding = true;
    QCoreApplication::sendEvent(control_, event);
    forwarding = false;
}

void BodyControl::removeConflictingKeys()
{
    for (QsciCommand* cmd : control_->standardCommands()->commands()) {
        if (keepsKey(cmd->command())) continue;
        cmd->setKey(0);
        cmd->setAlternateKey(0);
    }
}

bool BodyControl::bindsKey(QKeyCombination key) const
{
    return control_->standardCommands()->boundTo(key.toCombined()) != nullptr;
}

}  // namespace editor
