// A started main window in the test's own temporary home (also the current
// folder), with every message box and file dialog scripted.
#pragma once

#include <QAction>

#include "app/TfrmMain.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "settings/SettingsStore.h"

class MainWindowTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (window) window->bodyControl().setModified(false);
        window.reset();
    }

    app::TfrmMain& start(const QStringList& arguments = {})
    {
        window = std::make_unique<app::TfrmMain>();
        window->start(arguments);
        return *window;
    }

    // Makes the window the active one, so that its shortcuts reach it.
    void activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->bodyControl().setFocus();
    }

    static QString home() { return QDir::currentPath(); }
    // Writes the file, making its folder first when missing.
    static QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = home() + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    editor::BodyControl& body() { return window->bodyControl(); }
    std::string text() const { return window->bodyControl().text(); }
    QString caption() const { return window->windowTitle(); }
    QAction* action(const char* name) { return window->commands().action(QString::fromLatin1(name)); }
    void type(const QString& keys) { QTest::keyClicks(&window->bodyControl(), keys); }
    // Types `words` and selects the last `selected` characters with Shift+Left.
    void typeAndSelect(const QString& words, int selected)
    {
        type(words);
        for (int i = 0; i < selected; ++i) QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    }
    // As a menu entry runs it.
    void run(const char* command) { window->commands().run(QString::fromLatin1(command)); }

    testing_support::ScriptedInteraction ui;
    std::unique_ptr<app::TfrmMain> window;
};

// A started window with the keyboard, for tests that press keys.
class ActiveWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start();
        activate();
    }
};
