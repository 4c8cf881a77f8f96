// Start-up of the editor: application names, the main window, the event loop.
#pragma once

class QApplication;

namespace app {
int run(QApplication& application);
}
