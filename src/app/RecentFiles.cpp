#include "app/RecentFiles.h"

#include "settings/SettingsStore.h"

namespace app {
namespace {

}  // namespace

RecentSlots readRecentSlots()
{
    const settings::SettingsStore store;
    RecentSlots paths;
    for (int i = 0; i < kRecentSlots; ++i) paths[i] = store.read(settings::mru::file(i));
    return paths;
}

// Paths are kept and compared exactly as given: on this system two names
// that differ in letter case are two files, and a lower-cased path would
// name a file that does not exist.
void AddRecentFile(const QString& path)
{
    const RecentSlots paths = readRecentSlots();
    for (const QString& s : paths)
        if (s == path) return;
    settings::SettingsStore store;
    for (int i = kRecentSlots - 1; i > 0; --i) store.write(settings::mru::file(i), paths[i - 1]);
    store.write(settings::mru::file(0), path);
}

RecentSlots recentMenuSlots()
{
    RecentSlots paths = readRecentSlots();
    for (int i = 0; i < kRecentSlots; ++i) {
        if (paths[i].isEmpty()) continue;
        for (int j = 0; j < kRecentSlots; ++j) {
            if (j != i && paths[j] == paths[i]) {
                paths[i].clear();
                break;
            }
        }
    }
    return paths;
}

QString recentCaption(int index, const QString& path)
{
    QString shown = path;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace app
