// One more editor instance writing settings, for the test of writers in other
// processes: writes IDENT0 ... IDENT19 = IDENT under [user] of the store in the
// environment it is started in. Usage: settings_writer IDENT
#include <QApplication>

#include "settings/SettingsStore.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString ident = QString::fromLocal8Bit(argv[1]);
    settings::SettingsStore s;
    for (int i = 0; i < 20; ++i) s.WriteString("user", ident + QString::number(i), ident);
    return 0;
}
