#include "app/Recovery.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <cstdio>

#include "editor/BodyControl.h"
#include "interaction/Captions.h"
#include "interaction/Interaction.h"
#include "storage/Instances.h"
#include "storage/RecoveryFile.h"

namespace app {
namespace {

// The buttons of the recovery question, and Esc or its close box.
constexpr int kRecover = 0;
constexpr int kDiscard = 1;
constexpr int kClosedWithoutChoice = -1;

// One line on stderr: recovery never interrupts editing with a message box.
void report(const QString& text)
{
    std::fprintf(stderr, "Quillon Pro: %s\n", qPrintable(text));
}

// Makes `folder` and whatever is missing above it, for their owner alone;
// the system's reason when it cannot (a read-only file system, a file in the
// way).
int makeFolders(const QByteArray& folder)
{
    if (::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST) return 0;
    if (errno != ENOENT) return errno;
    const qsizetype slash = folder.lastIndexOf('/');
    if (slash <= 0) return ENOENT;
    if (const int error = makeFolders(folder.left(slash))) return error;
    return ::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

// The folder holds the text of documents: only its owner may enter it, also
// where an earlier version left it open to others.
void keepPrivate(const QString& folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0700);
}

// Writes on the worker thread; the reason of a failure, or empty.
QString writeSnapshot(const QString& file, const std::string& bytes)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (const int error = makeFolders(QFile::encodeName(folder))) return qt_error_string(error);
    keepPrivate(folder);
    QString error;
    return storage::writeFileSafely(file, bytes, &error, nullptr, 0600) ? QString() : error;
}

}  // namespace

Recovery::Recovery(editor::BodyControl& body, std::function<storage::DocumentName()> name, QString file)
    : body_(body), name_(std::move(name)), file_(std::move(file))
{
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMs);
    latest_.setSingleShot(true);
    latest_.setInterval(kLatestMs);
    connect(&idle_, &QTimer::timeout, this, &Recovery::snapshot);
    connect(&latest_, &QTimer::timeout, this, &Recovery::snapshot);
    connect(&body_, &editor::BodyControl::contentChanged, this, [this] {
        if (body_.isModified()) schedule();
    });
    // Saved, loaded, emptied or undone to the saved text: nothing to recover.
    connect(&body_, &editor::BodyControl::modifiedChanged, this,
            [this](bool modified) { modified ? schedule() : discard(); });
}

Recovery::~Recovery()
{
    if (writer_.joinable()) writer_.join();
    removeOwnFile();
}

void Recovery::removeOwnFile()
{
    if (owned_) QFile::remove(file_);
    owned_ = false;
}

void Recovery::schedule()
{
    idle_.start();
    if (!latest_.isActive()) latest_.start();
}

void Recovery::snapshot()
{
    idle_.stop();
    latest_.stop();
    if (!body_.isModified()) return;
    if (writing_) {
        pending_ = true;
        return;
    }
    std::string bytes = storage::recoveryHeader(name_());
    try {
        bytes.reserve(bytes.size() + static_cast<size_t>(body_.length()));
        body_.appendTextTo(bytes);
    } catch (const std::bad_alloc&) {
        return report(QStringLiteral("no memory for a recovery copy of the text"));
    }
    writing_ = true;
    keep_ = true;
    owned_ = true;
    written_ = false;
    writer_ = std::thread([this, bytes = std::move(bytes)] {
        error_ = writeSnapshot(file_, bytes);
        written_ = true;
        QMetaObject::invokeMethod(this, &Recovery::written, Qt::QueuedConnection);
    });
}

void Recovery::written()
{
    // Once per write: waitForWrite may have taken the end of it already.
    if (!writing_ || !written_) return;
    if (writer_.joinable()) writer_.join();
    writing_ = false;
    const QString error = error_;
    if (!error.isEmpty() && !reported_)
        report(QStringLiteral("cannot keep the unsaved text for recovery in \"%1\": %2").arg(file_, error));
    reported_ = !error.isEmpty();
    if (!keep_) removeOwnFile();
    if (pending_) {
        pending_ = false;
        snapshot();
    }
}

void Recovery::discard()
{
    idle_.stop();
    latest_.stop();
    pending_ = false;
    keep_ = false;
    if (!writing_) removeOwnFile();
}

void Recovery::waitForWrite()
{
    if (writer_.joinable()) writer_.join();
    written();
}

void Recovery::offerStaleFiles(const std::function<void(const storage::RecoveredText&)>& restore)
{
    const QString folder = storage::recoveryFolder();
    storage::removeStaleTemporaries(QFile::encodeName(folder));
    keepPrivate(folder);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        bool isId = false;
        const qint64 pid = file.fileName().toLongLong(&isId);
        const bool own = file.filePath() == file_;
        if (!isId || (!own && storage::isRunningInstance(pid))) continue;
        std::string bytes;
        QString error;
        std::optional<storage::RecoveredText> recovered;
        if (storage::readFileBytes(file.filePath(), &bytes, &error))
            recovered = storage::decodeRecovery(std::move(bytes));
        if (!recovered) {
            report(QStringLiteral("cannot read the recovery file \"%1\"%2")
                       .arg(file.filePath(), error.isEmpty() ? QString() : QStringLiteral(": ") + error));
            continue;
        }
        // The path in quotes, as one piece: the box breaks long lines, but
        // never inside a quoted path's folder names.
        const QString question =
            QStringLiteral("Quillon Pro was not closed properly. Recover the unsaved text of \"%1\" (saved at %2)?")
                .arg(
                    recovered->name.path.isEmpty() ? QString::fromLatin1(interaction::kUntitled) : recovered->name.path,
                    QLocale().toString(file.lastModified(), QLocale::ShortFormat));
        // Only Discard throws the text away; Esc or the close box decide
        // nothing, and the question comes again at the next start.
        const int choice = interaction::ui().choose(question, {QStringLiteral("Recover"), QStringLiteral("Discard")},
                                                    kRecover, kClosedWithoutChoice);
        if (choice == kDiscard) QFile::remove(file.filePath());
        if (choice != kRecover) continue;
        restore(*recovered);
        // Until this instance writes its own snapshot, the recovered file is
        // its snapshot: the text is never only in memory.
        if (!own && ::rename(QFile::encodeName(file.filePath()).constData(), QFile::encodeName(file_).constData()) != 0)
            return report(QStringLiteral("cannot take over the recovery file \"%1\"").arg(file.filePath()));
        ::chmod(QFile::encodeName(file_).constData(), 0600);
        owned_ = true;
        return;
    }
}

}  // namespace app
