// The command line of tagsmith: --help, --version and what names the file.
#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <string_view>

#include "cli/Batch.h"
#include "cli/Check.h"
#include "files/UserTools.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

#ifndef QUILLON_VERSION
#define QUILLON_VERSION "3.0.0"
#endif

namespace cli {
namespace {

// The options answered without a window.
constexpr std::string_view kAsks[] = {"-h", "--help", "--help-all", "-v", "--version"};

// The options and the argument the parser describes in --help.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Quillon Pro %1, an HTML source editor.").arg(programVersion()));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The document to open. The words of the command line name one "
                                                "file: up to four are joined with blanks, so that "
                                                "\"tagsmith my page.html\" opens \"my page.html\". Write -- "
                                                "first to open a file whose name starts with a hyphen."),
                                 QStringLiteral("[FILE]"));
}

QString usage(const QCommandLineParser& parser)
{
    return parser.helpText() + QLatin1Char('\n') + cli::batchUsage() + QLatin1Char('\n') + cli::checkUsage() +
           QStringLiteral("\nFiles:\n  ") + QStringLiteral("Manual (Help > Contents, F1): ") +
           files::helpFilePath(settings::ProgramFolder()) + QStringLiteral("\n  Settings: ") +
           settings::SettingsStore::pathOf(QStringLiteral("Quillon")) + QLatin1Char('\n');
}

}  // namespace

const char* programVersion()
{
    return QUILLON_VERSION;
}

QStringList commandLineOptions()
{
    QStringList options;
    for (std::string_view ask : kAsks) options << QString::fromLatin1(ask);
    return options << QStringLiteral("--") << cli::batchOptions() << cli::checkOptions();
}

QString helpText()
{
    QCommandLineParser parser;
    describe(parser);
    return usage(parser);
}

std::optional<int> answerInformationOptions(int argc, char** argv)
{
    bool asked = false;
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i)
        asked = asked || std::ranges::find(kAsks, std::string_view(argv[i])) != std::end(kAsks);
    if (!asked) return std::nullopt;

    // A core application has no display: it only names the program for the parser.
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tagsmith"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(programVersion()));
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    // The parser itself lists Qt's own options, and exits.
    if (parser.isSet(QStringLiteral("help-all"))) parser.process(QCoreApplication::arguments());
    QTextStream out(stdout);
    if (parser.isSet(QStringLiteral("version")) && !parser.isSet(QStringLiteral("help"))) {
        out << "tagsmith (Quillon Pro) " << programVersion() << '\n';
        return 0;
    }
    out << usage(parser);
    return 0;
}

SplitArguments splitAtDashes(int argc, char** argv)
{
    SplitArguments split;
    int i = 0;
    for (; i < argc && std::string_view(argv[i]) != "--"; ++i) split.forQt.push_back(argv[i]);
    split.forQt.push_back(nullptr);
    for (++i; i < argc; ++i) split.afterDashes << QFile::decodeName(argv[i]);
    return split;
}

QString commandLinePath(const QStringList& arguments, const QString& currentFolder)
{
    QString text = arguments.value(0).trimmed();
    for (int i = 1; i < 4 && i < arguments.size(); ++i)
        if (!arguments[i].isEmpty()) text += QLatin1Char(' ') + arguments[i];
    if (text.isEmpty()) return {};
    if (QDir::isRelativePath(text)) text = currentFolder + QLatin1Char('/') + text;
    return text;
}

}  // namespace cli
