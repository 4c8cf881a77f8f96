#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QProxyStyle>

#include "app/DocumentLifecycle.h"
#include "app/TfrmMain.h"
#include "cli/CommandLine.h"
#include "editor/BodyControl.h"
#include "editor/StartupTrace.h"
#include "interaction/Captions.h"
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

}  // namespace

int run(QApplication& application, const QStringList& arguments)
{
    editor::startupMark("Qt application made");
    QApplication::setApplicationName(QString::fromLatin1(interaction::kAppTitle));
    QApplication::setOrganizationName(QStringLiteral("Corvantis"));
    QApplication::setApplicationVersion(QString::fromLatin1(cli::programVersion()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopName));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromLatin1(kDesktopName), QIcon(QStringLiteral(":/quillon-pro.svg"))));
    QApplication::setStyle(new HintDelayStyle);
    editor::BodyControl::installPlainAccessibility();
    // The file named on the command line is read while the window is built.
    // Colour as you type needs the style bytes as much as the highlighter.
    const QString path = cli::commandLinePath(arguments, QDir::currentPath());
    const bool coloursWanted = [] {
        const settings::SettingsStore store;
        return store.read(settings::user::kColorize) || store.read(settings::user::kLiveColour);
    }();
    const editor::BodyControl::PreloadScope preload =
        editor::BodyControl::preload(storage::namesItsFileExactly(path) ? path : QString(), coloursWanted);
    TfrmMain window;
    editor::startupMark("main window built");
    window.start(arguments);
    return application.exec();
}

}  // namespace app
