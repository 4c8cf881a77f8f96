// `tagsmith --batch` run as a process on real files in the test's own folder:
// the files it writes are what the menu commands' passes make of them, byte
// for byte and in the file's own encoding; failures are reported with the
// system's reason and leave the file alone; --dry-run writes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <functional>
#include <tuple>
#include <vector>

#include "bench/BenchDocument.h"
#include "markup/Entities.h"
#include "markup/FindReplace.h"
#include "markup/TagCaseConversion.h"
#include "storage/DocumentFile.h"
#include "support/FileFaults.h"

namespace {

using faults::readBytes;
using faults::writeBytes;

struct Finished {
    int exitCode = -1;
    QString out, err;
};

Finished batch(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_TAGSMITH), QStringList{QStringLiteral("--batch")} + arguments);
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
        {QStringLiteral("--tags-upper"), [](auto t) { return markup::ConvertTagCase(t, true).text; }, page},
        {QStringLiteral("--tags-lower"), [](auto t) { return markup::ConvertTagCase(t, false).text; }, page},
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
TEST(Batch, ReportsEveryFileAndFailsAloneWhatCannotBeDone)
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

}  // namespace
