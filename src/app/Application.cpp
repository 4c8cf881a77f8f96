#include "Application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QProxyStyle>
#include <QTextStream>
#include <algorithm>
#include <string_view>

#include "AboutBox.h"
#include "Batch.h"
#include "BodyEditor.h"
#include "DocumentLifecycle.h"
#include "StartupTrace.h"
#include "TfrmMain.h"
#include "files/UserTools.h"
#include "markup/Captions.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "storage/FileNames.h"

namespace app {
namespace {

// Tool tips of the buttons show after 750 ms.
class HintDelayStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay) return 750;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The name of the desktop entry and of the icon in the desktop's icon theme.
constexpr const char* kDesktopName = "quillon-pro";

// The options answered without a window.
constexpr std::string_view kAsks[] = {"-h", "--help", "--help-all", "-v", "--version"};

// The options and the argument the parser describes in --help.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Quillon Pro %1, an HTML source editor.").arg(aboutVersion()));
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
    return parser.helpText() + QLatin1Char('\n') + batchUsage() + QStringLiteral("\nFiles:\n  ") +
           QStringLiteral("Manual (Help > Contents, F1): ") + files::helpFilePath(settings::ProgramFolder()) +
           QStringLiteral("\n  Settings: ") + settings::SettingsStore::pathOf(QStringLiteral("Quillon")) +
           QLatin1Char('\n');
}

}  // namespace

QStringList commandLineOptions()
{
    QStringList options;
    for (std::string_view ask : kAsks) options << QString::fromLatin1(ask);
    return options << QStringLiteral("--") << batchOptions();
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
    QCoreApplication::setApplicationVersion(QString::fromLatin1(aboutVersion()));
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    // The parser itself lists Qt's own options, and exits.
    if (parser.isSet(QStringLiteral("help-all"))) parser.process(QCoreApplication::arguments());
    QTextStream out(stdout);
    if (parser.isSet(QStringLiteral("version")) && !parser.isSet(QStringLiteral("help"))) {
        out << "tagsmith (Quillon Pro) " << aboutVersion() << '\n';
        return 0;
    }
    out << usage(parser);
    return 0;
}

int run(QApplication& application, const QStringList& arguments)
{
    startupMark("Qt application made");
    QApplication::setApplicationName(QString::fromLatin1(markup::kAppTitle));
    QApplication::setOrganizationName(QStringLiteral("Corvantis"));
    QApplication::setApplicationVersion(QString::fromLatin1(aboutVersion()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopName));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromLatin1(kDesktopName), QIcon(QStringLiteral(":/quillon-pro.svg"))));
    QApplication::setStyle(new HintDelayStyle);
    BodyEditor::installPlainAccessibility();
    // The file named on the command line is read while the window is built.
    const QString path = commandLinePath(arguments, QDir::currentPath());
    const BodyEditor::PreloadScope preload =
        BodyEditor::preload(storage::namesItsFileExactly(path) ? path : QString(),
                            settings::SettingsStore().read(settings::user::kColorize));
    TfrmMain window;
    startupMark("main window built");
    window.start(arguments);
    return application.exec();
}

}  // namespace app
