// The adapter BodyControl: the component set up as a plain-text HTML source
// editor, accessibility without per-edit counting, and the view operations
// (undo, the clipboard, scrolling, focus, font, word wrap, the tag colour).
#include "editor/BodyControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/BodyControlScintilla.h"
#include "editor/LongLineWindow.h"

namespace editor {
namespace {

// A plain accessible: screen readers see an editable text named "Document"
// without QScintilla's per-edit character counting, which walks the whole
// document on every keystroke.
QAccessibleInterface* plainFactory(const QString& className, QObject* object)
{
    if (object && object->isWidgetType() &&
        (className == QLatin1String("QsciScintillaBase") || className == QLatin1String("QsciScintilla") ||
         className == QLatin1String("editor::BodyControl"))) {
        auto* a =
            new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText, QStringLiteral("Document"));
        return a;
    }
    return nullptr;
}

}  // namespace

void BodyControl::installPlainAccessibility()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(plainFactory);
}

BodyControl::BodyControl(QWidget* parent) : QWidget(parent)
{
    installPlainAccessibility();
    control_ = new Scintilla(*this);
    control_->setObjectName(QStringLiteral("bodyControl"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control_);
    setFocusProxy(control_);
    longLines_ = std::make_unique<LongLineWindow>(*control_);

    control_->setUtf8(true);
    control_->setEolMode(QsciScintilla::EolWindows);
    control_->setEolVisibility(false);
    // No lexer: styles are set by the highlighter alone and never recomputed.
    send(QsciScintillaBase::SCI_SETLEXER, 0 /* SCLEX_CONTAINER */);
    // Only the notifications we use; text insertion and deletion events would
    // make QScintilla count characters from the start on every edit.
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
    control_->setMarginWidth(0, 0);
    control_->setMarginWidth(1, 0);
    control_->setMarginWidth(2, 0);
    control_->setWrapMode(QsciScintilla::WrapNone);
    // Long lines (minified pages): lay out one page at a time and do not
    // measure every line for the horizontal scroll bar.
    send(QsciScintillaBase::SCI_SETLAYOUTCACHE, QsciScintillaBase::SC_CACHE_PAGE);
    send(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 0);
    send(QsciScintillaBase::SCI_SETSCROLLWIDTH, 2000);
    removeConflictingKeys();
    setTagColour(TagColour_);
    longLines_->defineStyles();
    // QsciScintilla counts the caret's column character by character from the
    // line's start on every caret move, for a signal this program does not
    // use: milliseconds per keystroke at the end of a long line.
    QObject::disconnect(control_, SIGNAL(SCN_UPDATEUI(int)), control_, SLOT(handleUpdateUI(int)));
    // Before each paint: the caret's long line shows the caret (see
    // LongLineWindow); when its window moved, the caret's place did too.
    connect(control_, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        // A long line typed or pasted goes back to the window's styles
        // before the lexer styles (and the paint measures) all of it.
        if (lexing_ && longLineOnScreen()) useClassicStyles();
        if (longLines_->follow()) send(QsciScintillaBase::SCI_SCROLLCARET);
        if (updated & QsciScintillaBase::SC_UPDATE_CONTENT) emit contentChanged();
    });
    connect(control_, &QsciScintillaBase::SCN_SAVEPOINTLEFT, this, [this] { emit modifiedChanged(isModified()); });
    connect(control_, &QsciScintillaBase::SCN_SAVEPOINTREACHED, this, [this] { emit modifiedChanged(isModified()); });
    connectComforts();
    control_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { emit contextMenuRequested(control_->viewport()->mapToGlobal(at)); });
}

BodyControl::~BodyControl()
{
    // The component first: its last events (losing the focus) must not reach
    // an owner that is half gone.
    delete control_;
}

long BodyControl::send(unsigned msg, unsigned long w, long l) const
{
    return control_->SendScintilla(msg, w, l);
}

void BodyControl::markStyled() const
{
    // An edit leaves the text after it "to be styled", and before the next
    // paint Scintilla then compares every byte of each line on screen with its
    // layout (tens of milliseconds for a line of megabytes). Styles here come
    // from the highlighter alone, never from a lexer: nothing is to be styled.
    if (lexing_) return;
    const long n = send(QsciScintillaBase::SCI_GETLENGTH);
    if (send(QsciScintillaBase::SCI_GETENDSTYLED) < n)
        send(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(n));
}

void BodyControl::setUndoCollection(bool on)
{
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, on ? 1 : 0);
}

bool BodyControl::canUndo() const
{
    return send(QsciScintillaBase::SCI_CANUNDO) != 0;
}

void BodyControl::undo()
{
    replayHistory(false);
}

void BodyControl::replayHistory(bool redo)
{
    // The text an undo (or redo) puts back comes in the default style, every
    // byte shown, and Scintilla scrolls to it (laying its line out whole: 25 s
    // for the 50 MB line a Replace All took away) before the undo returns. So
    // the insertions are windowed as they happen: the one moment this editor
    // asks for modification events.
    const QMetaObject::Connection restored =
        connect(control_, &QsciScintillaBase::SCN_MODIFIED, this,
                [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                    if (type & QsciScintillaBase::SC_MOD_INSERTTEXT)
                        longLines_->windowEdited(position, position + length);
                });
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, QsciScintillaBase::SC_MOD_INSERTTEXT);
    if (redo)
        control_->redo();
    else
        control_->undo();
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    disconnect(restored);
    markStyled();
}
void BodyControl::cut()
{
    control_->cut();
    markStyled();
}
void BodyControl::copy()
{
    control_->copy();
}
void BodyControl::paste()
{
    control_->paste();
    markStyled();
}
void BodyControl::selectAll()
{
    control_->selectAll();
}
void BodyControl::ensureCaretVisible()
{
    control_->ensureCursorVisible();
}
void BodyControl::focus()
{
    control_->setFocus();
}
void BodyControl::repaintNow()
{
    control_->viewport()->repaint();
}
QFont BodyControl::editorFont() const
{
    return control_->font();
}

unsigned BodyControl::TagColour() const
{
    const auto bgr = static_cast<unsigned>(send(QsciScintillaBase::SCI_STYLEGETFORE, markup::TagStyle));
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

QRect BodyControl::byteRect(Pos pos) const
{
    const int x0 = static_cast<int>(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, static_cast<long>(pos)));
    const int x1 = static_cast<int>(
        send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0,
             static_cast<long>(send(QsciScintillaBase::SCI_POSITIONAFTER, static_cast<unsigned long>(pos)))));
    const int y = static_cast<int>(send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, static_cast<long>(pos)));
    const int height = static_cast<int>(send(QsciScintillaBase::SCI_TEXTHEIGHT, 0));
    const QPoint origin = control_->viewport()->mapTo(this, QPoint(0, 0));
    return QRect(origin.x() + x0, origin.y() + y, std::max(1, x1 - x0), height);
}

bool BodyControl::isShown(Pos pos) const
{
    return longLines_->shown(pos);
}
int BodyControl::linesOnScreen() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_LINESONSCREEN));
}
bool BodyControl::reportsModifications() const
{
    return send(QsciScintillaBase::SCI_GETMODEVENTMASK) != 0;
}

void BodyControl::setWordWrap(bool on)
{
    control_->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    send(QsciScintillaBase::SCI_SETHSCROLLBAR, on ? 0 : 1);
}

int BodyControl::firstVisibleDocumentLine() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                                 static_cast<unsigned long>(send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE))));
}

void BodyControl::scrollToDocumentLine(int line)
{
    const long visible = send(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
    send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(visible));
}

void BodyControl::setTagColour(unsigned rgb)
{
    TagColour_ = rgb;
    if (lexing_) return;
    // Scintilla colours are 0xBBGGRR.
    const long bgr = static_cast<long>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
    send(QsciScintillaBase::SCI_STYLESETFORE, markup::TagStyle, bgr);
}

void BodyControl::setEditorFont(const QFont& font)
{
    // A new font lays out every line again: not for the same one.
    if (font == control_->font()) return;
    control_->setFont(font);
    // QsciScintilla::setFont copies the default style to all styles.
    applyStyles();
    lineNumberDigits_ = -1;  // measured again
    fitLineNumbers();
}

}  // namespace editor
