// The command line: the file its words name, and every option it knows named
// by --help and the man page.

#include <QRegularExpression>

#include "cli/CommandLine.h"

namespace {

// Whether `text` names `option` as a word of its own ("-h" is not named by
// "--help"; "--output" is by "--output DIR" and "--replace" by "--replace=...").
bool names(const QString& text, const QString& option)
{
    const QRegularExpression word(
        QStringLiteral(R"((^|[\s"\[(|,])%1($|[\s"\]),|=]))").arg(QRegularExpression::escape(option)),
        QRegularExpression::MultilineOption);
    return word.match(text).hasMatch();
}

TEST(CommandLineOptions, EachOptionIsDocumented)
{
    QFile page(QStringLiteral(QUILLON_MAN_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << QUILLON_MAN_PAGE;
    const QString man = QString::fromUtf8(page.readAll());
    const QString help = cli::helpText();
    const QStringList options = cli::commandLineOptions();
    EXPECT_TRUE(options.contains("--batch") && options.contains("--help")) << options.join(' ').toStdString();
    for (const QString& option : options) {
        EXPECT_TRUE(names(help, option)) << "--help does not name " << option.toStdString();
        // The man page writes each hyphen as \-.
        EXPECT_TRUE(names(man, QString(option).replace("-", "\\-")))
            << "the man page does not name " << option.toStdString();
    }
}

// The words, separated by "|" here, joined by one blank each, up to four.
TEST(CommandLinePath, JoinsUpToFourWordsFromTheCurrentFolder)
{
    const std::pair<const char*, const char*> rows[] = {{"  ", ""},
                                                        {"  a.html ", "/cwd/a.html"},
                                                        {"my|page.html", "/cwd/my page.html"},
                                                        {"a||b", "/cwd/a b"},
                                                        {"a|b|c|d|e", "/cwd/a b c d"},
                                                        {"/x/y z.html", "/x/y z.html"},
                                                        {"-n.html", "/cwd/-n.html"}};
    for (const auto& [words, path] : rows)
        EXPECT_EQ(cli::commandLinePath(QString(words).split('|'), "/cwd"), QString::fromLatin1(path)) << words;
    EXPECT_EQ(cli::commandLinePath({}, "/cwd"), QString());
}

}  // namespace
