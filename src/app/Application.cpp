#include "Application.h"

#include <QApplication>
#include <QDir>
#include <QProxyStyle>

#include "BodyEditor.h"
#include "DocumentLifecycle.h"
#include "StartupTrace.h"
#include "TfrmMain.h"
#include "markup/Captions.h"
#include "settings/SettingsStore.h"

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

}  // namespace

int run(QApplication& application, const QStringList& arguments)
{
    startupMark("Qt application made");
    QApplication::setApplicationName(QString::fromLatin1(markup::kAppTitle));
    QApplication::setOrganizationName(QStringLiteral("Corvantis"));
    QApplication::setStyle(new HintDelayStyle);
    BodyEditor::installPlainAccessibility();
    // The file named on the command line is read while the window is built.
    const BodyEditor::PreloadScope preload = BodyEditor::preload(
        commandLinePath(arguments, QDir::currentPath()), settings::SettingsStore().read(settings::user::kColorize));
    TfrmMain window;
    startupMark("main window built");
    window.start(arguments);
    return application.exec();
}

}  // namespace app
