// --check: the pages found, checked on every core, reported in the order found.
#include "cli/Check.h"

#include <sched.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string_view>
#include <thread>
#include <vector>

#include "check/PageCheck.h"
#include "files/SidePanel.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "storage/DocumentFile.h"

namespace cli {
namespace {

constexpr std::string_view kCheck = "--check";
constexpr std::string_view kNoNotes = "--no-notes";

void put(FILE* stream, const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

bool isHtmlName(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix.startsWith(QLatin1String("htm")) || suffix.startsWith(QLatin1String("shtm")) ||
           suffix == QLatin1String("xhtml");
}

// What one file came to: its lines, and how many of each severity.
struct FileResult {
    QStringList lines;
    int counts[3] = {0, 0, 0};  // by check::Severity
};

FileResult checkFile(const QString& file, const check::CheckOptions& options)
{
    FileResult result;
    storage::LoadedDocument doc;
    QString error;
    if (!storage::loadDocumentFile(file, &doc, &error)) {
        result.lines << file + QStringLiteral(": error: cannot read the file: ") + error;
        ++result.counts[0];
        return result;
    }
    for (const check::Problem& p : check::checkPage(doc.text, QFileInfo(file).absoluteFilePath(), options)) {
        result.lines << QStringLiteral("%1:%2:%3: %4: %5")
                            .arg(file)
                            .arg(p.line)
                            .arg(p.column)
                            .arg(QLatin1String(check::severityName(p.severity)), QString::fromStdString(p.message));
        ++result.counts[static_cast<int>(p.severity)];
    }
    return result;
}

QString counted(int n, const char* one)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(one), n == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace

bool isCheckCommandLine(int argc, char** argv)
{
    return argc > 1 && std::string_view(argv[1]) == kCheck;
}

QStringList checkOptions()
{
    return {QString::fromLatin1(kCheck), QString::fromLatin1(kNoNotes)};
}

QString checkUsage()
{
    return QStringLiteral(
        "Check mode: tagsmith --check [--no-notes] PATH...\n"
        "  Checks each page, or the HTML files of each folder and its subfolders that\n"
        "  the side panel's file mask lists, without a window, on every core: markup\n"
        "  errors, duplicate ids, images without alt or with a width or height other\n"
        "  than the file's, and links, images, style sheets, scripts and frames whose\n"
        "  target does not exist on disk. Prints FILE:LINE:COLUMN: error|warning|note:\n"
        "  MESSAGE per problem, then a summary; the exit status is 0 when no error was\n"
        "  found, 1 when one was, 2 for a command line it cannot run.\n"
        "  --no-notes                   leaves out the notes on obsolete markup\n");
}

QStringList pagesToCheck(const QStringList& paths, const QStringList& sideMaskPatterns)
{
    QList<QRegularExpression> masks;
    for (const QString& filter : files::sideMaskFilters(sideMaskPatterns))
        masks << QRegularExpression(QRegularExpression::wildcardToRegularExpression(filter),
                                    QRegularExpression::CaseInsensitiveOption);
    const auto listed = [&](const QString& name) {
        return isHtmlName(name) &&
               std::ranges::any_of(masks, [&](const QRegularExpression& m) { return m.match(name).hasMatch(); });
    };
    QStringList pages;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            pages << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (listed(it.fileName())) found << file;
        }
        found.sort();
        pages << found;
    }
    return pages;
}

void onEveryCore(int count, const std::function<void(int)>& job)
{
    // The cores this process may use (taskset narrows them), not all the machine has.
    cpu_set_t cores;
    const int usable = sched_getaffinity(0, sizeof cores, &cores) == 0
                           ? CPU_COUNT(&cores)
                           : static_cast<int>(std::thread::hardware_concurrency());
    const int workers = std::clamp(usable, 1, std::max(count, 1));
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i; (i = next.fetch_add(1)) < count;) job(i);
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
}

int runCheck(int argc, char** argv)
{
    check::CheckOptions options;
    QStringList paths;
    bool pathsOnly = false;
    for (int i = 2; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (pathsOnly || word == "-" || !word.starts_with('-')) {
            paths << QFile::decodeName(argv[i]);
        } else if (word == "--") {
            pathsOnly = true;
        } else if (word == "--help" || word == "-h") {
            put(stdout, checkUsage());
            return 0;
        } else if (word == kNoNotes) {
            options.notes = false;
        } else {
            put(stderr,
                QStringLiteral("tagsmith --check: unknown option %1\n\n").arg(QString::fromUtf8(word)) + checkUsage());
            return 2;
        }
    }
    if (paths.isEmpty()) {
        put(stderr, QStringLiteral("tagsmith --check: no file or folder given\n\n") + checkUsage());
        return 2;
    }
    settings::Options settingsNow;
    settingsNow.sideMask = settings::SettingsStore().read(settings::user::kSideMask);
    const QStringList pages = pagesToCheck(paths, settingsNow.sideMaskPatterns());
    std::vector<FileResult> results(static_cast<size_t>(pages.size()));
    onEveryCore(static_cast<int>(pages.size()),
                [&](int i) { results[static_cast<size_t>(i)] = checkFile(pages[i], options); });
    int counts[3] = {0, 0, 0};
    for (const FileResult& r : results) {
        for (const QString& line : r.lines) put(stdout, line);
        for (int s = 0; s < 3; ++s) counts[s] += r.counts[s];
    }
    put(stdout, QStringLiteral("%1 checked: %2, %3, %4")
                    .arg(counted(static_cast<int>(pages.size()), "file"), counted(counts[0], "error"),
                         counted(counts[1], "warning"), counted(counts[2], "note")));
    std::fflush(stdout);
    return counts[0] == 0 ? 0 : 1;
}

}  // namespace cli
