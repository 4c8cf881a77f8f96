// `tagsmith --check` run as a process on a folder written for the purpose:
// the compilers' line format, the summary, the exit codes, and the folder
// checked on every core giving the lines each file gives alone.
#include <QDir>
#include <QRegularExpression>

namespace {

struct Finished {
    int exitCode = -1;
    QString out, err;
};

Finished checkRun(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUILLON_TAGSMITH), QStringList{QStringLiteral("--check")} + arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void writeText(const QString& path, const std::string& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    faults::writeBytes(path, text);
}

TEST(Check, ReportsAFoldersProblemsAsCompilersDo)
{
    const std::string good = "<!DOCTYPE html>\n<html><head><title>t</title></head><body><p>x</p></body></html>\n";
    writeText("site/index.html", good);
    writeText("site/notes.txt", "<b>not a page");  // not HTML: not checked
    for (int i = 0; i < 40; ++i)
        writeText(QStringLiteral("site/pages/p%1.html").arg(i, 2, 10, QLatin1Char('0')),
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
    QString oneByOne;
    for (int i = 0; i < 40; ++i) {
        const Finished one = checkRun({QStringLiteral("site/pages/p%1.html").arg(i, 2, 10, QLatin1Char('0'))});
        oneByOne += one.out.section(QLatin1Char('\n'), 0, -3) + QLatin1Char('\n');
    }
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

}  // namespace
