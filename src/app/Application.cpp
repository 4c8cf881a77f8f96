#include "Application.h"

#include <QApplication>
#include <QMainWindow>

#include "BodyEditor.h"
#include "markup/Shared.h"

namespace app {

int run(QApplication& application)
{
    QApplication::setApplicationName(QString::fromLatin1(markup::kAppTitle));
    QApplication::setOrganizationName(QStringLiteral("Corvantis"));
    BodyEditor::installPlainAccessibility();
    QMainWindow window;
    window.setWindowTitle(QString::fromLatin1(markup::kUntitled) + QString::fromLatin1(markup::kTitleSuffix));
    window.setCentralWidget(new BodyEditor(&window));
    window.resize(639, 479);
    window.show();
    return application.exec();
}

}  // namespace app
