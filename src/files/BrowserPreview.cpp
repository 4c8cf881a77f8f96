#include "BrowserPreview.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/Instances.h"

namespace files {
namespace {

// Pipe ends are kept close-on-exec (no other program the editor starts may
// hold them, or the browser would never see its commands end) and above 10:
// the child's dup2 onto 3 and 4 must never meet an end numbered 3 or 4.
int aboveChildFds(int fd)
{
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 10);
    ::close(fd);
    return moved;
}

void closeFd(int& fd)
{
    if (fd >= 0) ::close(fd);
    fd = -1;
}

void setNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A profile folder is named after the editor that made it, so that the next
// start can tell a profile in use from one left by an editor that was killed.
constexpr char kProfilePrefix[] = "quillon-browser-";

}  // namespace

void removeStaleProfiles(const QString& folder)
{
    static const QRegularExpression name(QStringLiteral("^%1(\\d+)-[^/]+$").arg(QLatin1String(kProfilePrefix)));
    const QDir dir(folder);
    const QStringList found = dir.entryList({QLatin1String(kProfilePrefix) + u'*'},
                                            QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : found) {
        const QRegularExpressionMatch match = name.match(entry);
        bool isId = false;
        const qint64 pid = match.hasMatch() ? match.captured(1).toLongLong(&isId) : 0;
        if (!isId || storage::isProcessAlive(pid)) continue;
        // Only a real folder of this user: never through a link of that name,
        // nor another user's profile.
        const QString path = dir.filePath(entry);
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        QDir(path).removeRecursively();
    }
}

QString findChromium()
{
    for (const char* name : kChromiumNames) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found;
    }
    return {};
}

QStringList chromiumArguments(const QString& profileFolder, bool asRoot, bool headless)
{
    QStringList arguments{QStringLiteral("--user-data-dir=") + profileFolder,
                          QStringLiteral("--remote-debugging-pipe"),
                          QStringLiteral("--no-first-run"),
                          QStringLiteral("--no-default-browser-check"),
                          QStringLiteral("--disable-background-networking"),
                          QStringLiteral("--disable-component-update"),
                          QStringLiteral("--disable-sync"),
                          QStringLiteral("--disable-gpu")};
    if (asRoot) arguments << QStringLiteral("--no-sandbox");
    if (headless) arguments << QStringLiteral("--headless=new");
    arguments << QStringLiteral("about:blank");
    return arguments;
}

BrowserPreview::Options& BrowserPreview::options()
{
    static Options shared;
    return shared;
}

QString BrowserPreview::nothingToShowText()
{
    return QStringLiteral("Save your file or open another in Quillon and press F9.");
}

BrowserPreview::BrowserPreview(QObject* parent)
    : QObject(parent), session_([this](const QByteArray& frame) { return writeFrame(frame); })
{
    setObjectName(QStringLiteral("BrowserPreview"));
    session_.onFailure = [this](const QString& reason) { failLater(reason); };
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        if (!session_.waitingForReply()) return;
        if (quietWhenUnanswered_) {
            stopBrowser(false);
            emit unanswered();
            return;
        }
        fail(QStringLiteral("The web browser did not answer within %1 seconds, so the editor closed it. "
                            "Press F9 to start it again.")
                 .arg(options().replyTimeoutMs / 1000.0));
    });
}

BrowserPreview::~BrowserPreview()
{
    close();
    if (sweeper_.joinable()) sweeper_.join();
}

qint64 BrowserPreview::browserPid() const
{
    return process_ ? process_->processId() : 0;
}

QString BrowserPreview::profileFolder() const
{
    return profile_ ? profile_->path() : QString();
}

void BrowserPreview::show(const QString& path)
{
    showUrl(path.isEmpty() ? messagePageUrl(nothingToShowText()) : documentUrl(path), {}, true);
}

void BrowserPreview::showUrl(const QString& url, DevToolsSession::Reply shown, bool toFront)
{
    // A browser whose reply pipe has ended is on its way out: replace it.
    if (process_ && replyEnded_) stopBrowser(false);
    if (!process_ && !start()) return;
    session_.show(url, std::move(shown), toFront);
    armWatchdog(false);
}

int BrowserPreview::request(const QString& method, const QJsonObject& params, bool onPage, DevToolsSession::Reply done)
{
    const int id = session_.request(method, params, onPage, std::move(done));
    armWatchdog(false);
    return id;
}

void BrowserPreview::sweepStaleProfiles()
{
    if (sweeper_.joinable()) return;
    sweeper_ = std::thread([folder = QDir::tempPath()] { removeStaleProfiles(folder); });
}

void BrowserPreview::close()
{
    stopBrowser(true);
    profile_.reset();
}

bool BrowserPreview::start()
{
    const QString program = findChromium();
    if (program.isEmpty()) {
        emit failed(
            QStringLiteral("Couldn't find a web browser for the preview: none of chromium, google-chrome, "
                           "microsoft-edge or chrome is on the PATH. Install one of them, or choose "
                           "another browser in Options."));
        return false;
    }
    if (!profile_) {
        // A private profile folder (mode 0700): a browser started on the
        // user's own profile would hand the page to the user's running
        // browser and exit.
        profile_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + u'/' + QLatin1String(kProfilePrefix) +
                                                   QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
        if (!profile_->isValid()) {
            const QString reason = profile_->errorString();
            profile_.reset();
            emit failed(QStringLiteral("Couldn't create a profile folder for the web browser: ") + reason);
            return false;
        }
    }
    int toBrowser[2];
    int fromBrowser[2];
    if (::pipe2(toBrowser, O_CLOEXEC) != 0) {
        emit failed(QStringLiteral("Couldn't start the web browser: ") + systemError(errno));
        return false;
    }
    if (::pipe2(fromBrowser, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(toBrowser[0]);
        ::close(toBrowser[1]);
        emit failed(QStringLiteral("Couldn't start the web browser: ") + systemError(error));
        return false;
    }
    const int commandRead = aboveChildFds(toBrowser[0]);
    commandFd_ = aboveChildFds(toBrowser[1]);
    replyFd_ = aboveChildFds(fromBrowser[0]);
    const int replyWrite = aboveChildFds(fromBrowser[1]);

    process_ = new QProcess(this);
    // Unread output would pile up in the editor's memory.
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->setChildProcessModifier([commandRead, replyWrite] {
        // In the child between fork and exec: async-signal-safe calls only.
        ::dup2(commandRead, 3);
        ::dup2(replyWrite, 4);
    });
    connect(process_, &QProcess::finished, this, &BrowserPreview::finished);
    connect(process_, &QProcess::errorOccurred, this, [this, program](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failLater(QStringLiteral("Couldn't start the web browser %1: %2").arg(program, process_->errorString()));
    });
    ++generation_;
    process_->start(program, chromiumArguments(profile_->path(), ::geteuid() == 0, options().headless));
    // Only the browser may hold its ends, or the editor would never see EOF.
    ::close(commandRead);
    ::close(replyWrite);
    // A browser that stops reading must never block the editor.
    setNonBlocking(commandFd_);
    setNonBlocking(replyFd_);
    replyEnded_ = false;
    notifier_ = new QSocketNotifier(replyFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &BrowserPreview::readReplies);
    writeNotifier_ = new QSocketNotifier(commandFd_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &BrowserPreview::writeOutgoing);
    // Commands wait in the pipe until the browser reads them.
    session_.browserStarted();
    return true;
}

void BrowserPreview::readReplies()
{
    char chunk[65536];
    bool heard = false;
    for (;;) {
        const ssize_t n = ::read(replyFd_, chunk, sizeof chunk);
        if (n > 0) {
            heard = true;
            for (const QByteArray& message : framing_.take(QByteArrayView(chunk, n))) session_.receive(message);
            if (replyFd_ < 0) return;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) {
            // The browser is ending; its process's end is reported by finished().
            replyEnded_ = true;
            notifier_->setEnabled(false);
        }
        break;
    }
    armWatchdog(heard);
}

bool BrowserPreview::writeFrame(const QByteArray& frame)
{
    if (commandFd_ < 0 || replyEnded_) return false;
    outgoing_.append(frame);
    return writeOutgoing();
}

bool BrowserPreview::writeOutgoing()
{
    // Writing to a browser that has gone raises SIGPIPE, which would end the
    // editor: it is held back for this thread and taken, leaving EPIPE.
    sigset_t pipeSignal;
    sigset_t before;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &before);
    qsizetype& written = outgoingWritten_;
    int error = 0;
    while (written < outgoing_.size()) {
        const ssize_t n = ::write(commandFd_, outgoing_.constData() + written, size_t(outgoing_.size() - written));
        if (n > 0) {
            written += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            error = errno;
            break;
        }
    }
    if (error == EPIPE) {
        const timespec now{0, 0};
        sigtimedwait(&pipeSignal, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (written == outgoing_.size()) {
        outgoing_.clear();
        written = 0;
    }
    // A full pipe (a page's text is larger than it holds): the rest goes when
    // the browser has read some; the reply timeout covers one that never does.
    writeNotifier_->setEnabled(error == EAGAIN);
    if (outgoing_.isEmpty() || error == EAGAIN) return true;
    outgoing_.clear();
    written = 0;
    // A browser that has closed its pipe is ending: its end, reported by
    // finished(), tells why; this message is for one that goes on running.
    failLater(QStringLiteral("The web browser could not be reached: ") + systemError(error), error == EPIPE ? 1000 : 0);
    return false;
}

void BrowserPreview::finished(int exitCode, QProcess::ExitStatus status)
{
    using State = DevToolsSession::State;
    const bool waited =
        session_.showPending() || session_.state() == State::Starting || session_.state() == State::Attaching;
    release();
    if (stopping_) return;
    // Closing the browser's last window ends it with code 0: nothing to say
    // unless a preview was still waiting for it.
    if (status == QProcess::CrashExit)
        emit failed(QStringLiteral("The web browser crashed."));
    else if (exitCode != 0)
        emit failed(QStringLiteral("The web browser stopped unexpectedly (exit code %1).").arg(exitCode));
    else if (waited)
        emit failed(QStringLiteral("The web browser closed before it showed the document."));
}

void BrowserPreview::armWatchdog(bool heard)
{
    if (!session_.waitingForReply())
        watchdog_.stop();
    else if (heard || !watchdog_.isActive())
        watchdog_.start(options().replyTimeoutMs);
}

void BrowserPreview::fail(const QString& message)
{
    stopBrowser(false);
    emit failed(message);
}

void BrowserPreview::failLater(const QString& message, int delayMs)
{
    // Reported from the event loop, never from inside a reply being handled,
    // and only while the same browser still runs.
    QTimer::singleShot(delayMs, this, [this, message, started = generation_] {
        if (process_ && started == generation_) fail(message);
    });
}

void BrowserPreview::stopBrowser(bool politely)
{
    if (!process_) return;
    stopping_ = true;
    QProcess* process = process_;
    if (politely && !replyEnded_) {
        session_.closeBrowser();
        process->waitForFinished(3000);
    }
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(2000);
    }
    if (process_ == process) release();
    stopping_ = false;
}

void BrowserPreview::release()
{
    watchdog_.stop();
    delete notifier_;
    notifier_ = nullptr;
    delete writeNotifier_;
    writeNotifier_ = nullptr;
    outgoing_.clear();
    outgoingWritten_ = 0;
    closeFd(commandFd_);
    closeFd(replyFd_);
    framing_ = MessageFraming();
    session_.browserGone();
    if (process_) {
        process_->disconnect(this);
        process_->deleteLater();
        process_ = nullptr;
        emit stopped();
    }
}

}  // namespace files
