// Another editor for tests that need one in a process of its own, in the
// environment (home, settings, PATH) of the test that starts it.
// Usage: editor_helper MODE FILE, where MODE is
//   type-and-wait     opens FILE, types "typed " and runs until killed;
//   type-and-save     opens FILE, types "theirs " and saves it (exit 0 when
//                     nothing was asked or said and the document is saved).
// It takes the name of the process that started it, as another instance of the
// same program would have (the editor tells its own instances by name).
#include <sys/prctl.h>

#include "app/TfrmMain.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"

int main(int argc, char** argv)
{
    QFile parent(QStringLiteral("/proc/%1/comm").arg(::getppid()));
    if (parent.open(QIODevice::ReadOnly)) ::prctl(PR_SET_NAME, parent.readAll().trimmed().constData());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList words = QApplication::arguments();
    if (words.size() != 3) return 2;
    const QString mode = words[1];
    testing_support::ScriptedInteraction ui;  // nothing is answered: a question ends the save below
    app::TfrmMain window;
    window.start({words[2]});
    if (mode == QLatin1String("type-and-wait")) {
        QTest::keyClicks(&window.bodyControl(), QStringLiteral("typed "));
        return QApplication::exec();
    }
    if (mode == QLatin1String("type-and-save")) {
        QTest::keyClicks(&window.bodyControl(), QStringLiteral("theirs "));
        window.commands().run(QStringLiteral("FileSaveClick"));
        return ui.shown.empty() && !window.bodyControl().isModified() ? 0 : 1;
    }
    return 2;
}
