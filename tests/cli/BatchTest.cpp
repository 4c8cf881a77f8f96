// `tagsmith --batch` run as a process on real files in the test's own folder:
// the files it writes are what the menu commands' passes make of them, byte
// for byte and in the file's own encoding; failures are reported with the
// system's reason and leave the file alone; --dry-run writes nothing.
// `tagsmith --check` on a folder: the compilers' line format, the summary, the
// exit codes, and the folder checked on every core giving the lines each file
// gives alone. Also the editor's own command line, where the program itself is
// the point.
#include <sys/resource.h>

#include <QRegularExpression>

#include "bench/BenchDocument.h"
#include "markup/Entities.h"
#include "markup/FindReplace.h"
#include "markup/TagCaseConversion.h"
#include "storage/DocumentFile.h"

namespace {

using faults::readBytes;
using faults::writeBytes;

struct Finished {
    int exitCode = -1;
    QString out, err;
};

// Runs the batch mode (or another `mode`); `heap` limits the memory the
// program may allocate.
Finished batch(const QStringList& arguments, const QByteArray& input = {}, rlim_t heap = RLIM_INFINITY,
               const QString& mode = QStringLiteral("--batch"))
{
    QProcess process;
    process.setChildProcessModifier([heap] {
        const rlimit limit{heap, heap};
        ::setrlimit(RLIMIT_DATA, &limit);
    });
    process.start(QStringLiteral(QUILLON_TAGSMITH), QStringList{mode} + arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString lastLine(const QString& text)
{
    return text.trimmed().section(QLatin1Char('\n'), -1);
}

// Each operation on the benchmark document, as the editor's own UTF-8 with
// CR LF, as a Windows-1252 file with LF and as UTF-16LE: each file must come
// out as the pure pass of its menu command leaves the text, written back in
// its format.
TEST(Batch, GivesTheMenuCommandsResultsByteForByteInTheFilesOwnFormat)
{
    using Pass = std::function<std::string(std::string_view)>;
    const std::string& page = bench::documentWithMatches(1);
    const std::tuple<QString, Pass, const std::string&> rows[] = {
        {QStringLiteral("--tags-upper"), [](auto t) { return markup::convertTagCase(t, true).text; }, page},
        {QStringLiteral("--tags-lower"), [](auto t) { return markup::convertTagCase(t, false).text; }, page},
        {QStringLiteral("--remove-tags"), [](auto t) { return markup::RemoveTags(t).text; }, page},
        {QStringLiteral("--to-entities"), [](auto t) { return markup::SpecialToHtml(t); }, page},
        {QStringLiteral("--from-entities"), [](auto t) { return markup::HtmlToSpecial(t); }, bench::entityDocument(1)},
        {QStringLiteral("--replace=%1=>%2").arg(bench::kFindText, bench::kReplaceText),
         [](auto t) { return markup::replaceAllMatches(t, bench::kFindText, bench::kReplaceText).applyTo(t); }, page},
    };
    const storage::DocumentFormat formats[] = {
        {}, {storage::Encoding::Windows1252, storage::LineBreaks::Lf}, {storage::Encoding::Utf16Le}};
    for (const auto& [option, pass, input] : rows) {
        QStringList files;
        std::vector<storage::DocumentFormat> found;  // an ASCII file is read as UTF-8
        for (const storage::DocumentFormat& format : formats) {
            files << QStringLiteral("page%1.html").arg(files.size());
            writeBytes(files.back(), storage::encodeDocument(input, format));
            found.push_back(storage::decodeDocument(readBytes(files.back())).format);
        }
        const Finished run = batch(QStringList{option} + files);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(lastLine(run.out).toStdString(), "3 files changed, 0 unchanged, 0 failed") << option.toStdString();
        for (int i = 0; i < files.size(); ++i)
            EXPECT_TRUE(readBytes(files[i]) == storage::encodeDocument(pass(input), found[i]))
                << option.toStdString() << ' ' << files[i].toStdString();
    }
}

// What each command line does to one small file (kept unless said), what it
// prints last and its exit status.
TEST(Batch, ReportsWhatBecameOfEachFile)
{
    const std::string page = "<P>Caf\xE9 x</P>\n";  // Windows-1252, LF
    const std::string lower = "<p>Caf\xE9 x</p>\n";
    QDir().mkpath(QStringLiteral("out/page.html"));  // a copy that cannot be written
    QDir().mkpath(QStringLiteral("copies"));
    QDir().mkpath(QStringLiteral("folder.html"));
    writeBytes(QStringLiteral("bad16.html"), std::string("\xFF\xFE<\0P\0\x00\xDC>\0", 10));  // an unpaired surrogate
    struct Row {
        QStringList arguments;
        int exitCode;
        QString last;
        std::string after;  // page.html afterwards
        QString said;       // in the report
    };
    const auto totals = [](int changed, int unchanged, int failed) {
        return QStringLiteral("%1 files changed, %2 unchanged, %3 failed").arg(changed).arg(unchanged).arg(failed);
    };
    const QString enoent = qt_error_string(ENOENT), eisdir = qt_error_string(EISDIR);
    const Row rows[] = {
        {{"--tags-lower", "page.html"}, 0, totals(1, 0, 0), lower, "page.html: 2 changes"},
        {{"--tags-upper", "page.html"}, 0, totals(0, 1, 0), page, "page.html: unchanged"},
        {{"--tags-lower", "--dry-run", "page.html"}, 0, totals(1, 0, 0), page, "not written"},
        {{"--tags-lower", "--output", "copies", "page.html"}, 0, totals(1, 0, 0), page, "copies/page.html"},
        {{"--tags-lower", "missing.html", "folder.html", "page.html"},
         1,
         totals(1, 0, 2),
         lower,
         enoent + "|" + eisdir},
        {{QString::fromUtf8("--replace=x=>\u65E5"), "page.html"}, 1, totals(0, 0, 1), page, "Windows-1252"},
        {{"--tags-lower", "--output", "out", "page.html"}, 1, totals(0, 0, 1), page, eisdir},
        {{"--tags-lower", "bad16.html"}, 1, totals(0, 0, 1), page, "bad16.html: failed: This file begins with"},
        // Named twice: converted twice, one run after the other, never at once.
        {{"--replace=a=>aa", "page.html", "./page.html"}, 0, totals(2, 0, 0), "<P>Caaaaf\xE9 x</P>\n", "./page.html"},
        {{"--tags-lower"}, 2, "", page, "no file"},
        {{"--tags-sideways", "page.html"}, 2, "", page, "--tags-sideways"},
    };
    for (const Row& row : rows) {
        writeBytes(QStringLiteral("page.html"), page);
        const Finished run = batch(row.arguments);
        const std::string what = row.arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, row.exitCode) << what << '\n' << run.err.toStdString();
        if (!row.last.isEmpty()) {
            EXPECT_EQ(lastLine(run.out).toStdString(), row.last.toStdString()) << what;
        }
        EXPECT_EQ(readBytes(QStringLiteral("page.html")), row.after) << what;
        for (const QString& said : row.said.split(QLatin1Char('|')))
            EXPECT_TRUE((run.out + run.err).contains(said)) << what << '\n' << (run.out + run.err).toStdString();
    }
    EXPECT_EQ(readBytes(QStringLiteral("copies/page.html")), lower);
}

// "-" converts standard input to standard output; the report goes to
// standard error.
TEST(Batch, ConvertsStandardInputToStandardOutput)
{
    const Finished run = batch({QStringLiteral("--to-entities"), QStringLiteral("-")}, QByteArray("<p>\xC3\xA9</p>\n"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.toStdString(), "<p>&eacute;</p>\n");
    EXPECT_EQ(lastLine(run.err).toStdString(), "1 files changed, 0 unchanged, 0 failed");
}

// A run whose copies would go over a file it reads is refused before anything
// is written, however the folder is named: the same file is told by device
// and inode.
TEST(Batch, RefusesAnOutputFolderThatHoldsAnInput)
{
    QDir().mkpath(QStringLiteral("out"));
    ASSERT_TRUE(QFile::link(QStringLiteral("."), QStringLiteral("here")));
    const std::string a = "<P>a</P>", b = "<P>b</P>";
    const QStringList rows[] = {
        {"--output", "out", "a.html", "out/a.html"},  // a.html's copy would be out/a.html, read after it
        {"--output", ".", "a.html"},
        {"--output", "here", "a.html"},
        {"--output=" + QDir::currentPath() + "/out/..", "out/a.html", "a.html"},
    };
    for (const QStringList& row : rows) {
        writeBytes(QStringLiteral("a.html"), a);
        writeBytes(QStringLiteral("out/a.html"), b);
        const Finished run = batch(QStringList{QStringLiteral("--tags-lower")} + row);
        const std::string what = row.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << what;
        EXPECT_TRUE(run.err.contains("nothing was written")) << what << '\n' << run.err.toStdString();
        EXPECT_EQ(readBytes(QStringLiteral("a.html")), a) << what;
        EXPECT_EQ(readBytes(QStringLiteral("out/a.html")), b) << what;
    }
}

// A name that is not UTF-8 ("caf\xe9.html") comes back from Qt's decoding as
// another name, the one its twin "caf\xef\xbf\xbd.html" really has: it is
// reported as missing, and neither file is touched.
TEST(Batch, ANameThatIsNotUtf8IsMissing)
{
    const faults::NameTwins names(QDir::currentPath());
    // Through a shell: QProcess would encode the name as UTF-8.
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec \"$0\" --batch --tags-lower \"$(printf 'caf\\351.html')\""),
                 QStringLiteral(QUILLON_TAGSMITH)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(shell.readAllStandardOutput());
    EXPECT_EQ(shell.exitCode(), 1);
    EXPECT_TRUE(out.contains(qt_error_string(ENOENT) + " (the name is not valid UTF-8)")) << out.toStdString();
    EXPECT_TRUE(names.untouched());
}

// Replace All of a text that matches at every byte takes memory in proportion
// to its result, not to its matches: 16 MB of "a", each replaced by "bb",
// within 12 times the file of heap.
TEST(Batch, ReplacingEveryByteNeedsMemoryForTheResultOnly)
{
    constexpr size_t kFile = size_t(16) << 20;
    writeBytes(QStringLiteral("a.html"), std::string(kFile, 'a'));
    const Finished run = batch({QStringLiteral("--replace=a=>bb"), QStringLiteral("a.html")}, {}, 12 * kFile);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(lastLine(run.out).toStdString(), "1 files changed, 0 unchanged, 0 failed");
    EXPECT_EQ(QFileInfo(QStringLiteral("a.html")).size(), qint64(2 * kFile));
}

Finished checkRun(const QStringList& arguments)
{
    return batch(arguments, {}, RLIM_INFINITY, QStringLiteral("--check"));
}

TEST(Check, ReportsAFoldersProblemsAsCompilersDo)
{
    const std::string good = "<!DOCTYPE html>\n<html><head><title>t</title></head><body><p>x</p></body></html>\n";
    writeBytes("site/index.html", good);
    writeBytes("site/notes.txt", "<b>not a page");  // not HTML: not checked
    for (int i = 0; i < 40; ++i)
        writeBytes(QStringLiteral("site/pages/p%1.html").arg(i, 2, 10, QLatin1Char('0')),
                   "<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n<img src=\"gone.png\" alt=\"\">"
                   "<center>c</center><a href=\"../index.html#nowhere\">i</a>\n</body></html>\n");

    const Finished clean = checkRun({QStringLiteral("site/index.html")});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, QStringLiteral("1 file checked: 0 errors, 0 warnings, 0 notes\n"));

    const Finished all = checkRun({QStringLiteral("site")});
    EXPECT_EQ(all.exitCode, 1);
    QStringList lines = all.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.takeLast(), QStringLiteral("41 files checked: 80 errors, 0 warnings, 40 notes"));
    EXPECT_EQ(lines.first(), QStringLiteral("site/pages/p00.html:3:6: error: the target \"gone.png\" does not exist"));
    const QRegularExpression form(QStringLiteral("^site/pages/p\\d\\d\\.html:3:\\d+: (error|note): .+$"));
    for (const QString& line : lines) EXPECT_TRUE(form.match(line).hasMatch()) << line.toStdString();

    // Every core at once gives the lines of one file at a time, in order.
    const QString one = checkRun({QStringLiteral("site/pages/p00.html")}).out.section(QLatin1Char('\n'), 0, -3);
    QString oneByOne;
    for (int i = 0; i < 40; ++i)
        oneByOne += QString(one).replace("p00", QStringLiteral("p%1").arg(i, 2, 10, QLatin1Char('0'))) + '\n';
    EXPECT_EQ(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), oneByOne);
    EXPECT_EQ(
        checkRun({QStringLiteral("--no-notes"), QStringLiteral("site/pages")}).out.count(QStringLiteral(": note:")), 0);

    // A command line it cannot run.
    for (const QStringList& wrong : {QStringList{}, QStringList{QStringLiteral("--bogus"), QStringLiteral("site")}}) {
        const Finished refused = checkRun(wrong);
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.err.contains(QStringLiteral("Check mode: tagsmith --check")));
    }
    const Finished missing = checkRun({QStringLiteral("no-such.html")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.startsWith(QStringLiteral("no-such.html: error: cannot read the file: ")));
}

// After "--" every word names the file, even the words Qt takes for its own
// options anywhere else: the editor starts with that file's text (its start-up
// trace says when the document is in the control).
TEST(CommandLine, AfterTwoHyphensEveryWordNamesTheFile)
{
    for (const char* name : {"-reverse", "-nograb", "-style=x.html"}) {
        writeBytes(QString::fromLatin1(name), "<p>");
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLON_STARTUP_TRACE"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        editor.setProcessEnvironment(environment);
        editor.setProcessChannelMode(QProcess::MergedChannels);
        editor.start(QStringLiteral(QUILLON_TAGSMITH), {QStringLiteral("--"), QString::fromLatin1(name)});
        QByteArray trace;
        while (!trace.contains(" idle") && editor.waitForReadyRead(60000)) trace += editor.readAll();
        editor.kill();
        editor.waitForFinished();
        EXPECT_TRUE(trace.contains("document in the control")) << name << '\n' << trace.toStdString();
    }
}

}  // namespace
