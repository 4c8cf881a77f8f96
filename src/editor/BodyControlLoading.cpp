// The adapter's loading: a whole document into a fresh Scintilla document,
// piece by piece as the file is decoded (never held twice), the file of the
// command line read on a thread of its own while the window is built, and
// style bytes given to a document loaded without them.
#include <sys/stat.h>
#include <QFile>
#include <algorithm>
#include <thread>

#include "editor/BodyControlScintilla.h"
#include "editor/LongLineWindow.h"
#include "editor/StartupTrace.h"

namespace editor {

std::size_t BodyControl::roomToEdit(std::size_t bytes)
{
    return std::min(bytes + bytes / 8 + 65536, storage::kMaxDocumentBytes);
}

namespace {

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

// Fills the fresh document of a load, see loadPieces. The document is made
// with the first piece, which tells whether it needs style bytes after all.
class BodyControl::Loader final : public storage::TextSink {
public:
    explicit Loader(BodyControl& editor) : editor_(editor) {}
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
        editor_.newDocument(
            expected_, editor_.coloursWanted_ || editor_.liveWanted_ || expected_ < kPlainFrom || holdsLongLine(first));
        made_ = everMade_ = true;
    }

    BodyControl& editor_;
    size_t expected_ = 0;
    bool begun_ = false, made_ = false, everMade_ = false;
};

// A document file read on a thread of its own into a Scintilla document of its
// own, while the window is built; see BodyControl::preload.
class BodyControl::Preload {
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
        // The loader is made on a thread of its own while this one surveys
        // the file (its encoding and line breaks, a first reading of it
        // whole): its buffer for the whole text is fresh memory, and on
        // some machines the kernel takes tens of milliseconds to hand over
        // 50 MB of it. Making a loader touches only the new document, never
        // the control, and none of the window's work waits for it.
        std::thread making([this] {
            loader_ = reinterpret_cast<ScintillaLoader*>(maker_->SendScintilla(
                QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(roomToEdit(bytes_)),
                static_cast<long>(styled_ ? 0 : QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE)));
        });
        // The loader cannot start again: a file that changed while it was
        // read is read by the document lifecycle instead.
        struct Sink final : storage::TextSink {
            Sink(std::thread& m, ScintillaLoader*& l) : making(m), loader(l) {}
            void begin(size_t) override
            {
                if (making.joinable()) making.join();
                again = began;
                began = true;
            }
            void append(std::string_view piece) override
            {
                if (again) return;
                if (!loader || loader->AddData(piece.data(), static_cast<std::ptrdiff_t>(piece.size())) != 0)
                    throw std::bad_alloc();
            }
            std::thread& making;
            ScintillaLoader*& loader;
            bool began = false, again = false;
        } sink(making, loader_);
        QString error;
        whole_ = storage::readDocumentFile(path_, &format_, sink, &error) && !sink.again && loader_;
        if (making.joinable()) making.join();
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
BodyControl::Preload* pendingPreload = nullptr;

}  // namespace

void BodyControl::PreloadEnd::operator()(Preload* preload) const
{
    if (pendingPreload == preload) pendingPreload = nullptr;
    delete preload;
}

BodyControl::PreloadScope BodyControl::preload(const QString& path, bool coloursWanted)
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

bool BodyControl::loadPreloaded(const QString& path, storage::DocumentFormat* format, storage::FileIdentity* identity)
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

void BodyControl::newDocument(size_t expectedBytes, bool styled)
{
    const long doc = send(QsciScintillaBase::SCI_CREATEDOCUMENT, roomToEdit(expectedBytes),
                          styled ? 0 : QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE);
    if (doc == 0) throw std::bad_alloc();
    useDocument(doc, styled);
}

void BodyControl::useDocument(long document, bool styled)
{
    send(QsciScintillaBase::SCI_SETDOCPOINTER, 0, document);
    send(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0, document);  // the control's reference is the one left
    styled_ = styled;
    longLines_->setActive(styled);
    pairMarks_.clear();  // a new document has no marks
    // The lexer belongs to the document before: the new one starts with the
    // highlighter's styles until finishLoad chooses.
    if (lexing_) {
        lexing_ = false;
        applyStyles();
    }
    // What belongs to a document rather than to the view.
    send(QsciScintillaBase::SCI_SETCODEPAGE, QsciScintillaBase::SC_CP_UTF8);
    send(QsciScintillaBase::SCI_SETEOLMODE, QsciScintillaBase::SC_EOL_CRLF);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0);
}

void BodyControl::loadText(std::string_view t)
{
    loadPieces([t](storage::TextSink& sink) {
        sink.begin(t.size());
        sink.append(t);
        return true;
    });
}

bool BodyControl::loadPieces(const std::function<bool(storage::TextSink&)>& read)
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

void BodyControl::finishLoad(bool undoCollection)
{
    // Before anything lays the text out (going to the start does). A long
    // line needs style bytes to hide most of itself.
    const bool longLine = longLines_->windowAll(characters());
    if (longLine && !styled_) giveStyles();
    chooseLexer(longLine);
    send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, undoCollection);
    send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    send(QsciScintillaBase::SCI_SETSAVEPOINT);
    forcedModified_ = false;
    send(QsciScintillaBase::SCI_GOTOPOS, 0);
    markStyled();
    emit modifiedChanged(false);
}

void BodyControl::giveStyles()
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

}  // namespace editor
