#include "editor/BodyEditor.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

#include <sys/stat.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QVBoxLayout>
#include <algorithm>
#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "editor/LongLineWindow.h"
#include "editor/StartupTrace.h"
#include "markup/CaseFold.h"
#include "storage/FileNames.h"

namespace app {

std::size_t BodyEditor::roomToEdit(std::size_t bytes)
{
    return std::min(bytes + bytes / 8 + 65536, storage::kMaxDocumentBytes);
}

namespace {

// A plain accessible: screen readers see an editable text named "Document"
// without QScintilla's per-edit character counting, which walks the whole
// document on every keystroke.
QAccessibleInterface* plainFactory(const QString& className, QObject* object)
{
    if (object && object->isWidgetType() &&
        (className == QLatin1String("QsciScintillaBase") || className == QLatin1String("QsciScintilla") ||
         className == QLatin1String("app::BodyEditor"))) {
        auto* a =
            new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText, QStringLiteral("Document"));
        return a;
    }
    return nullptr;
}

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

// The UTF-8 continuation bytes (10xxxxxx) of a range: its length minus its
// number of characters. Sixteen bytes at a time where SSE2 is there.
size_t countContinuationBytes(const unsigned char* p, size_t n)
{
    size_t count = 0, i = 0;
#ifdef __SSE2__
    const __m128i limit = _mm_set1_epi8(-64);  // as signed bytes, 0x80..0xBF are below -64
    while (n - i >= 16) {
        // At most 255 rounds per byte lane before the lanes are summed.
        const size_t rounds = std::min<size_t>((n - i) / 16, 255);
        __m128i lanes = _mm_setzero_si128();
        for (size_t r = 0; r < rounds; ++r, i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmplt_epi8(v, limit));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<size_t>(_mm_cvtsi128_si32(sums)) + static_cast<size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; i < n; ++i) count += (p[i] & 0xC0) == 0x80;
    return count;
}

// Whether a text (the first piece of a document) holds a line longer than
// the long-line window's limit: a minified page shows it there.
bool holdsLongLine(std::string_view text)
{
    for (size_t at = 0; at < text.size();) {
        const size_t lf = text.find('\n', at);
        if ((lf == std::string_view::npos ? text.size() : lf) - at > static_cast<size_t>(LongLineWindow::kLongLine))
            return true;
        at = lf == std::string_view::npos ? text.size() : lf + 1;
    }
    return false;
}

}  // namespace

// Scintilla's document loader as its ILoader.h (which QScintilla does not
// install) declares it: a document filled on any thread, then given to a
// control. A status of 0 from AddData is success. Not in an unnamed
// namespace: the compiler would take its functions for never defined.
class ScintillaLoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

protected:
    ~ScintillaLoader() = default;
};

void BodyEditor::installPlainAccessibility()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(plainFactory);
}

// The editing component itself: it reports every key to its owner before
// handling it.
class BodyEditor::Control : public QsciScintilla {
public:
    Control(BodyEditor& owner) : QsciScintilla(&owner), owner_(owner) {}

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
    void keyPressEvent(QKeyEvent* event) override
    {
        emit owner_.keyDown(event->key(), event->modifiers());
        QsciScintilla::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        emit owner_.keyUp(event->key(), event->modifiers());
        QsciScintilla::keyReleaseEvent(event);
    }
    // Files dragged here (from the side panel's list or a file manager) are
    // the owner's: the component would insert their addresses as text.
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (!takeFiles(*event)) QsciScintilla::dragEnterEvent(event);
    }
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        if (!takeFiles(*event)) QsciScintilla::dragMoveEvent(event);
    }
    void dropEvent(QDropEvent* event) override
    {
        if (!takeFiles(*event)) return QsciScintilla::dropEvent(event);
        emit owner_.filesDropped(localFiles(*event));
    }

private:
    static QStringList localFiles(const QDropEvent& event) { return storage::droppedFiles(event.mimeData()->urls()); }
    // Accepts a drag of files as a copy (the list it comes from must not
    // take it for a move); false for anything else.
    static bool takeFiles(QDropEvent& event)
    {
        if (localFiles(event).isEmpty()) return false;
        event.setDropAction(Qt::CopyAction);
        event.accept();
        return true;
    }

    BodyEditor& owner_;
};

BodyEditor::BodyEditor(QWidget* parent) : QWidget(parent)
{
    installPlainAccessibility();
    control_ = new Control(*this);
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
    setTagColour(tagColour_);
    longLines_->defineStyles();
    // QsciScintilla counts the caret's column character by character from the
    // line's start on every caret move, for a signal this program does not
    // use: milliseconds per keystroke at the end of a long line.
    QObject::disconnect(control_, SIGNAL(SCN_UPDATEUI(int)), control_, SLOT(handleUpdateUI(int)));
    // Before each paint: the caret's long line shows the caret (see
    // LongLineWindow); when its window moved, the caret's place did too.
    connect(control_, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (longLines_->follow()) send(QsciScintillaBase::SCI_SCROLLCARET);
        if (updated & QsciScintillaBase::SC_UPDATE_CONTENT) emit contentChanged();
    });
    connect(control_, &QsciScintillaBase::SCN_SAVEPOINTLEFT, this, [this] { emit modifiedChanged(isModified()); });
    connect(control_, &QsciScintillaBase::SCN_SAVEPOINTREACHED, this, [this] { emit modifiedChanged(isModified()); });
    control_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { emit contextMenuRequested(control_->viewport()->mapToGlobal(at)); });
}

BodyEditor::~BodyEditor()
{
    // The component first: its last events (losing the focus) must not reach
    // an owner that is half gone.
    delete control_;
}

void BodyEditor::keyPressEvent(QKeyEvent* event)
{
    // A key the component leaves comes back here through its parent: once only.
    static bool forwarding = false;
    if (forwarding) return event->ignore();
    forwarding = true;
    QCoreApplication::sendEvent(control_, event);
    forwarding = false;
}

void BodyEditor::keyReleaseEvent(QKeyEvent* event)
{
    static bool forwarding = false;
    if (forwarding) return event->ignore();
    forwarding = true;
    QCoreApplication::sendEvent(control_, event);
    forwarding = false;
}

long BodyEditor::send(unsigned msg, unsigned long w, long l) const
{
    return control_->SendScintilla(msg, w, l);
}

void BodyEditor::markStyled() const
{
    // An edit leaves the text after it "to be styled", and before the next
    // paint Scintilla then compares every byte of each line on screen with its
    // layout (tens of milliseconds for a line of megabytes). Styles here come
    // from the highlighter alone, never from a lexer: nothing is to be styled.
    const long n = send(QsciScintillaBase::SCI_GETLENGTH);
    if (send(QsciScintillaBase::SCI_GETENDSTYLED) < n)
        send(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(n));
}

void BodyEditor::removeConflictingKeys()
{
    for (QsciCommand* cmd : control_->standardCommands()->commands()) {
        if (keepsKey(cmd->command())) continue;
        cmd->setKey(0);
        cmd->setAlternateKey(0);
    }
}

std::string BodyEditor::text() const
{
    return std::string(characters());
}

std::string_view BodyEditor::characters() const
{
    const auto n = static_cast<size_t>(length());
    const auto* p = reinterpret_cast<const char*>(send(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return n && p ? std::string_view(p, n) : std::string_view();
}

void BodyEditor::appendTextTo(std::string& out) const
{
    // The buffer holds the text in two pieces around the gap where the last
    // edit was; a piece that does not span the gap is read where it lies.
    const long total = length();
    const long gap = std::clamp(send(QsciScintillaBase::SCI_GETGAPPOSITION), 0L, total);
    for (const auto& [from, count] : {std::pair(0L, gap), std::pair(gap, total - gap)}) {
        const long piece = count > 0 ? send(QsciScintillaBase::SCI_GETRANGEPOINTER, from, count) : 0;
        if (piece) out.append(reinterpret_cast<const char*>(piece), static_cast<size_t>(count));
    }
}

void BodyEditor::setUndoCollection(bool on)
{
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, on ? 1 : 0);
}

markup::Pos BodyEditor::length() const
{
    return send(QsciScintillaBase::SCI_GETLENGTH);
}

std::string BodyEditor::textRange(markup::Pos start, markup::Pos len) const
{
    const markup::Pos total = length();
    const markup::Pos s = std::clamp<markup::Pos>(start, 0, total);
    const markup::Pos e = std::clamp<markup::Pos>(start + std::max<markup::Pos>(len, 0), 0, total);
    if (e <= s) return {};
    const auto* p = reinterpret_cast<const char*>(control_->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(s), static_cast<long>(e - s)));
    return std::string(p, static_cast<size_t>(e - s));
}

markup::Pos BodyEditor::selectionStart() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONSTART);
}
markup::Pos BodyEditor::selectionLength() const
{
    return send(QsciScintillaBase::SCI_GETSELECTIONEND) - send(QsciScintillaBase::SCI_GETSELECTIONSTART);
}
std::string BodyEditor::selectedText() const
{
    return textRange(selectionStart(), selectionLength());
}

void BodyEditor::setSelection(markup::Pos start, markup::Pos len)
{
    const markup::Pos total = length();
    markup::Pos a = std::clamp<markup::Pos>(start, 0, total), b = std::clamp<markup::Pos>(start + len, 0, total);
    if (b < a) std::swap(a, b);
    // Anchor at the start, caret at the end, as a selection made by the editor.
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(a), static_cast<long>(b));
}

void BodyEditor::replaceSelection(std::string_view t)
{
    // Through the target, which takes a length: the text may hold NUL bytes.
    send(QsciScintillaBase::SCI_TARGETFROMSELECTION);
    send(QsciScintillaBase::SCI_REPLACETARGET, t.size(), reinterpret_cast<long>(t.data()));
    const long start = send(QsciScintillaBase::SCI_GETTARGETSTART), end = send(QsciScintillaBase::SCI_GETTARGETEND);
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end));
    // Before the caret is scrolled to, which lays its line out: a long line
    // the new text made or grew shows only its window (Replace All of
    // megabytes in a minified page).
    longLines_->windowEdited(start, end);
    send(QsciScintillaBase::SCI_SCROLLCARET);
    markStyled();
}

void BodyEditor::replaceAll(std::string_view t)
{
    send(QsciScintillaBase::SCI_SETTARGETRANGE, 0, static_cast<long>(length()));
    send(QsciScintillaBase::SCI_REPLACETARGET, t.size(), reinterpret_cast<long>(t.data()));
    send(QsciScintillaBase::SCI_SETEMPTYSELECTION, 0);
    longLines_->windowAll(t);
    markStyled();
}

// Fills the fresh document of a load, see loadPieces. The document is made
// with the first piece, which tells whether it needs style bytes after all.
class BodyEditor::Loader final : public storage::TextSink {
public:
    explicit Loader(BodyEditor& editor) : editor_(editor) {}
    void begin(size_t expectedBytes) override
    {
        expected_ = expectedBytes;
        begun_ = true;
        made_ = false;
    }
    void append(std::string_view piece) override
    {
        if (!made_) make(piece);
        editor_.send(QsciScintillaBase::SCI_APPENDTEXT, piece.size(), reinterpret_cast<long>(piece.data()));
        // Scintilla reports a failed allocation only in its status.
        if (editor_.send(QsciScintillaBase::SCI_GETSTATUS) != 0) throw std::bad_alloc();
    }
    // After the last piece: whether the control has a new document now.
    bool finish()
    {
        if (begun_ && !made_) make({});
        return begun_;
    }
    bool changedDocument() const { return everMade_; }

private:
    void make(std::string_view first)
    {
        // A long line needs the styles to hide most of itself.
        editor_.newDocument(expected_, editor_.coloursWanted_ || expected_ < kPlainFrom || holdsLongLine(first));
        made_ = everMade_ = true;
    }

    BodyEditor& editor_;
    size_t expected_ = 0;
    bool begun_ = false, made_ = false, everMade_ = false;
};

// A document file read on a thread of its own into a Scintilla document of its
// own, while the window is built; see BodyEditor::preload.
class BodyEditor::Preload {
public:
    Preload(QString path, size_t bytes, bool styled)
        : path_(std::move(path)),
          identity_(storage::identityOf(path_)),
          bytes_(bytes),
          styled_(styled),
          maker_(std::make_unique<QsciScintillaBase>()),
          thread_([this] { read(); })
    {
    }
    ~Preload()
    {
        wait();
        if (loader_) loader_->Release();
    }
    Preload(const Preload&) = delete;
    Preload& operator=(const Preload&) = delete;

    const QString& path() const { return path_; }
    bool styled() const { return styled_; }
    const storage::DocumentFormat& format() const { return format_; }
    // The file as it was before the reading began.
    const storage::FileIdentity& identity() const { return identity_; }
    void wait()
    {
        if (thread_.joinable()) thread_.join();
    }
    // The document, when it was read whole; its only reference is the
    // caller's.
    void* takeDocument()
    {
        wait();
        if (!whole_ || !loader_) return nullptr;
        void* document = loader_->ConvertToDocument();
        loader_ = nullptr;
        return document;
    }

private:
    void read()
    {
        // The loader is made here, not by the window's thread: its buffer
        // for the whole text is fresh memory, and on some machines the
        // kernel takes tens of milliseconds to hand over 10 MB of it. Making
        // a loader touches only the new document, never the control.
        loader_ = reinterpret_cast<ScintillaLoader*>(
            maker_->SendScintilla(QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(roomToEdit(bytes_)),
                                  static_cast<long>(styled_ ? 0 : QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE)));
        if (!loader_) return;
        // The loader cannot start again: a file that changed while it was
        // read is read by the document lifecycle instead.
        struct Sink final : storage::TextSink {
            explicit Sink(ScintillaLoader& l) : loader(l) {}
            void begin(size_t) override
            {
                again = began;
                began = true;
            }
            void append(std::string_view piece) override
            {
                if (!again && loader.AddData(piece.data(), static_cast<std::ptrdiff_t>(piece.size())) != 0)
                    throw std::bad_alloc();
            }
            ScintillaLoader& loader;
            bool began = false, again = false;
        } sink(*loader_);
        QString error;
        whole_ = storage::readDocumentFile(path_, &format_, sink, &error) && !sink.again;
        startupMark("document read on its own thread");
    }

    const QString path_;
    const storage::FileIdentity identity_;
    const size_t bytes_;
    const bool styled_;
    // Any control makes a loader; this one is made for that alone, and is
    // used by the reading thread only.
    const std::unique_ptr<QsciScintillaBase> maker_;
    ScintillaLoader* loader_ = nullptr;
    storage::DocumentFormat format_;
    bool whole_ = false;
    std::thread thread_;  // last: it starts once the rest is made
};

namespace {

// The file being read while the window is built, if any.
BodyEditor::Preload* pendingPreload = nullptr;

}  // namespace

void BodyEditor::PreloadEnd::operator()(Preload* preload) const
{
    if (pendingPreload == preload) pendingPreload = nullptr;
    delete preload;
}

BodyEditor::PreloadScope BodyEditor::preload(const QString& path, bool coloursWanted)
{
    // Only a plain file, as the reading checks (a pipe must not be waited on).
    struct stat st {};
    if (path.isEmpty() || pendingPreload || ::stat(QFile::encodeName(path).constData(), &st) != 0 ||
        !S_ISREG(st.st_mode))
        return {};
    // Nor one the control cannot hold: the reading refuses it at once.
    if (static_cast<unsigned long long>(st.st_size) > storage::kMaxDocumentBytes) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray first = file.read(LongLineWindow::kLongLine + 1);
    const auto bytes = static_cast<size_t>(st.st_size);
    const bool styled = coloursWanted || bytes < kPlainFrom ||
                        holdsLongLine(std::string_view(first.constData(), static_cast<size_t>(first.size())));
    PreloadScope scope(new Preload(path, bytes, styled));
    pendingPreload = scope.get();
    return scope;
}

bool BodyEditor::loadPreloaded(const QString& path, storage::DocumentFormat* format, storage::FileIdentity* identity)
{
    Preload* const preload = pendingPreload;
    if (!preload || preload->path() != path) return false;
    pendingPreload = nullptr;  // one try: otherwise the file is read as any other
    void* const document = preload->takeDocument();
    if (!document) return false;
    startupMark("document taken from its thread");
    const bool undo = send(QsciScintillaBase::SCI_GETUNDOCOLLECTION) != 0;
    useDocument(reinterpret_cast<long>(document), preload->styled());
    *format = preload->format();
    *identity = preload->identity();
    finishLoad(undo);
    startupMark("document in the control");
    return true;
}

void BodyEditor::newDocument(size_t expectedBytes, bool styled)
{
    const long doc = send(QsciScintillaBase::SCI_CREATEDOCUMENT, roomToEdit(expectedBytes),
                          styled ? 0 : QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE);
    if (doc == 0) throw std::bad_alloc();
    useDocument(doc, styled);
}

void BodyEditor::useDocument(long document, bool styled)
{
    send(QsciScintillaBase::SCI_SETDOCPOINTER, 0, document);
    send(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0, document);  // the control's reference is the one left
    styled_ = styled;
    longLines_->setActive(styled);
    // What belongs to a document rather than to the view.
    send(QsciScintillaBase::SCI_SETCODEPAGE, QsciScintillaBase::SC_CP_UTF8);
    send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CRLF);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
}

void BodyEditor::loadText(std::string_view t)
{
    loadPieces([t](storage::TextSink& sink) {
        sink.begin(t.size());
        sink.append(t);
        return true;
    });
}

bool BodyEditor::loadPieces(const std::function<bool(storage::TextSink&)>& read)
{
    startupMark("document load begins");
    // The document before stays, untouched, until the new one is whole.
    const long old = send(QsciScintillaBase::SCI_GETDOCPOINTER);
    send(QsciScintillaBase::SCI_ADDREFDOCUMENT, 0, old);
    const bool oldStyled = styled_;
    const long anchor = send(QsciScintillaBase::SCI_GETANCHOR), caret = caretPosition();
    const long firstLine = send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long xOffset = send(QsciScintillaBase::SCI_GETXOFFSET);
    const bool undo = send(QsciScintillaBase::SCI_GETUNDOCOLLECTION) != 0;
    send(QsciScintillaBase::SCI_SETSTATUS, 0);
    Loader loader(*this);
    bool whole = false;
    try {
        whole = read(loader);
        if (whole && !loader.finish()) {
            loader.begin(0);
            loader.finish();
        }
    } catch (const std::bad_alloc&) {
        whole = false;
    }
    if (!whole) {
        if (loader.changedDocument()) {
            send(QsciScintillaBase::SCI_SETDOCPOINTER, 0, old);
            styled_ = oldStyled;
            longLines_->setActive(styled_);
            send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
            send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
            send(QsciScintillaBase::SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
        }
        send(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0, old);
        send(QsciScintillaBase::SCI_SETSTATUS, 0);
        return false;
    }
    send(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0, old);
    finishLoad(undo);
    startupMark("document in the control");
    return true;
}

void BodyEditor::finishLoad(bool undoCollection)
{
    // Before anything lays the text out (going to the start does). A long
    // line needs style bytes to hide most of itself.
    if (longLines_->windowAll(characters()) && !styled_) giveStyles();
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, undoCollection);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    send(QsciScintillaBase::SCI_SETSAVEPOINT);
    forcedModified_ = false;
    send(QsciScintillaBase::SCI_GOTOPOS, 0);
    markStyled();
    emit modifiedChanged(false);
}

void BodyEditor::giveStyles()
{
    const bool modified = isModified();
    const long anchor = send(QsciScintillaBase::SCI_GETANCHOR), caret = caretPosition();
    const long firstLine = send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const bool undo = send(QsciScintillaBase::SCI_GETUNDOCOLLECTION) != 0;
    const std::string_view text = characters();
    // The text is copied from the document before, held until then.
    const long old = send(QsciScintillaBase::SCI_GETDOCPOINTER);
    send(QsciScintillaBase::SCI_ADDREFDOCUMENT, 0, old);
    send(QsciScintillaBase::SCI_SETSTATUS, 0);
    bool copied = false;
    try {
        newDocument(text.size(), true);
        send(QsciScintillaBase::SCI_APPENDTEXT, text.size(), reinterpret_cast<long>(text.data()));
        copied = send(QsciScintillaBase::SCI_GETSTATUS) == 0;
    } catch (const std::bad_alloc&) {
    }
    if (!copied) {
        // No room for both: the document stays as it was, without colours.
        if (send(QsciScintillaBase::SCI_GETDOCPOINTER) != old) send(QsciScintillaBase::SCI_SETDOCPOINTER, 0, old);
        styled_ = false;
        longLines_->setActive(false);
    }
    send(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0, old);
    send(QsciScintillaBase::SCI_SETSTATUS, 0);
    send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    if (copied) {
        longLines_->windowAll(characters());
        send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, undo);
        send(QsciScintillaBase::SCI_SETSAVEPOINT);
        forcedModified_ = modified;
    }
    send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
    markStyled();
}

int BodyEditor::lineFromPosition(markup::Pos pos) const
{
    return static_cast<int>(
        send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::max<markup::Pos>(pos, 0))));
}

markup::Pos BodyEditor::lineStart(int line) const
{
    if (line <= 0) return 0;
    const long p = send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return p < 0 ? length() : p;
}

int BodyEditor::lineCount() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETLINECOUNT));
}

markup::Pos BodyEditor::findText(std::string_view what, markup::Pos from, markup::Pos to) const
{
    if (what.empty()) return -1;
    const markup::Pos total = length();
    from = std::clamp<markup::Pos>(from, 0, total);
    to = std::clamp<markup::Pos>(to, 0, total);
    if (from >= to) return -1;
    // The same folding as the headless editor: Scintilla's own search does not
    // fold accented letters.
    const auto* p = reinterpret_cast<const char*>(control_->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(to - from)));
    const markup::Pos at =
        markup::FoldedPattern(what).find(std::string_view(p, static_cast<size_t>(to - from)), 0, to - from);
    return at < 0 ? -1 : from + at;
}

// Colours go through the long-line window, which keeps hidden bytes hidden.
void BodyEditor::setStyles(markup::Pos start, std::string_view styles)
{
    if (!styled_ && styles.find_first_not_of(static_cast<char>(markup::DefaultStyle)) != std::string_view::npos)
        giveStyles();
    longLines_->writeStyles(start, styles);
}

void BodyEditor::setStyle(markup::Pos start, markup::Pos len, markup::Style style)
{
    if (!styled_ && style != markup::DefaultStyle && len > 0) giveStyles();
    longLines_->fillStyle(start, len, style);
}

markup::Style BodyEditor::styleAt(markup::Pos pos) const
{
    return longLines_->colourAt(pos);
}

void BodyEditor::clearStyles()
{
    longLines_->fillStyle(0, length(), markup::DefaultStyle);
}

bool BodyEditor::isModified() const
{
    return forcedModified_ || send(QsciScintillaBase::SCI_GETMODIFY) != 0;
}

void BodyEditor::setModified(bool modified)
{
    const bool was = isModified();
    if (modified) {
        forcedModified_ = true;
    } else {
        forcedModified_ = false;
        send(QsciScintillaBase::SCI_SETSAVEPOINT);
    }
    if (was != isModified()) emit modifiedChanged(isModified());
}

void BodyEditor::emptyUndoBuffer()
{
    // Scintilla also moves the save point to the emptied history, so the text
    // would look unmodified (without a notification); the flag must survive.
    const bool modified = isModified();
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    if (modified && !isModified()) forcedModified_ = true;
}

bool BodyEditor::canUndo() const
{
    return send(QsciScintillaBase::SCI_CANUNDO) != 0;
}

void BodyEditor::undo()
{
    // The text an undo puts back comes in the default style, every byte shown,
    // and Scintilla scrolls to it (laying its line out whole: 25 s for the
    // 50 MB line a Replace All took away) before the undo returns. So the
    // insertions are windowed as they happen: the one moment this editor asks
    // for modification events.
    const QMetaObject::Connection restored =
        connect(control_, &QsciScintillaBase::SCN_MODIFIED, this,
                [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                    if (type & QsciScintillaBase::SC_MOD_INSERTTEXT)
                        longLines_->windowEdited(position, position + length);
                });
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, QsciScintillaBase::SC_MOD_INSERTTEXT);
    control_->undo();
    send(QsciScintillaBase::SCI_SETMODEVENTMASK, 0);
    disconnect(restored);
    markStyled();
}
void BodyEditor::cut()
{
    control_->cut();
    markStyled();
}
void BodyEditor::copy()
{
    control_->copy();
}
void BodyEditor::paste()
{
    control_->paste();
    markStyled();
}
void BodyEditor::selectAll()
{
    control_->selectAll();
}
void BodyEditor::ensureCaretVisible()
{
    control_->ensureCursorVisible();
}
void BodyEditor::focus()
{
    control_->setFocus();
}
void BodyEditor::repaintNow()
{
    control_->viewport()->repaint();
}
QFont BodyEditor::editorFont() const
{
    return control_->font();
}

unsigned BodyEditor::tagColour() const
{
    const auto bgr = static_cast<unsigned>(send(QsciScintillaBase::SCI_STYLEGETFORE, markup::TagStyle));
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

QRect BodyEditor::byteRect(Pos pos) const
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

bool BodyEditor::isShown(Pos pos) const
{
    return longLines_->shown(pos);
}
int BodyEditor::linesOnScreen() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_LINESONSCREEN));
}
bool BodyEditor::bindsKey(QKeyCombination key) const
{
    return control_->standardCommands()->boundTo(key.toCombined()) != nullptr;
}
bool BodyEditor::reportsModifications() const
{
    return send(QsciScintillaBase::SCI_GETMODEVENTMASK) != 0;
}

markup::Pos BodyEditor::caretPosition() const
{
    return send(QsciScintillaBase::SCI_GETCURRENTPOS);
}

int BodyEditor::columnOf(markup::Pos pos) const
{
    const markup::Pos start = lineStart(lineFromPosition(pos));
    const markup::Pos bytes = pos - start;
    // Scintilla counts character by character, which takes tens of
    // milliseconds at the end of a long line (a minified page); counting the
    // UTF-8 continuation bytes in place is many times faster.
    if (bytes < 4096)
        return static_cast<int>(
            send(QsciScintillaBase::SCI_COUNTCHARACTERS, static_cast<unsigned long>(start), static_cast<long>(pos)));
    const auto* p = reinterpret_cast<const unsigned char*>(control_->SendScintilla(
        QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(bytes)));
    return static_cast<int>(bytes - countContinuationBytes(p, static_cast<size_t>(bytes)));
}

void BodyEditor::setWordWrap(bool on)
{
    control_->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    send(QsciScintillaBase::SCI_SETHSCROLLBAR, on ? 0 : 1);
}

int BodyEditor::firstVisibleDocumentLine() const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
                                 static_cast<unsigned long>(send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE))));
}

void BodyEditor::scrollToDocumentLine(int line)
{
    const long visible = send(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
    send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(visible));
}

void BodyEditor::setTagColour(unsigned rgb)
{
    tagColour_ = rgb;
    // Scintilla colours are 0xBBGGRR.
    const long bgr = static_cast<long>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
    send(QsciScintillaBase::SCI_STYLESETFORE, markup::TagStyle, bgr);
}

void BodyEditor::setEditorFont(const QFont& font)
{
    // A new font lays out every line again: not for the same one.
    if (font == control_->font()) return;
    control_->setFont(font);
    // QsciScintilla::setFont copies the default style to all styles.
    setTagColour(tagColour_);
    longLines_->defineStyles();
}

}  // namespace app
