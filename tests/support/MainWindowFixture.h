// A started main window in the test's own temporary home (also the current
// folder), with every message box and file dialog scripted, and a record of
// what the command modules asked of the window.
#pragma once

#include <QAction>

#include "app/TfrmMain.h"
#include "commands/CommandUi.h"
#include "editor/BodyControl.h"
#include "settings/SettingsStore.h"

// The main window, recording what the command modules ask of it.
class RecordingWindow final : public app::TfrmMain {
public:
    void RecolourNearCaret(int linesBack, int extraLines) override
    {
        recolours.emplace_back(linesBack, extraLines);
        TfrmMain::RecolourNearCaret(linesBack, extraLines);
    }
    void ColourDocument() override
    {
        ++documentColourings;
        TfrmMain::ColourDocument();
    }
    void beginWait(const QString& caption) override
    {
        waitCaptions << caption;
        TfrmMain::beginWait(caption);
    }

    std::vector<std::pair<int, int>> recolours;  // every RecolourNearCaret call, highlighting on or off
    int documentColourings = 0;                  // every ColourDocument call, highlighting on or off
    QStringList waitCaptions;                    // every caption shown by beginWait
};

class MainWindowTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (window) window->bodyControl().setModified(false);
        window.reset();
    }

    app::TfrmMain& start(const QStringList& arguments = {})
    {
        window = std::make_unique<RecordingWindow>();
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
    // Stores `value` under `setting` and has the window read its options again.
    template <typename T>
    void setOption(const settings::Setting<T>& setting, const std::type_identity_t<T>& value)
    {
        settings::SettingsStore().write(setting, value);
        window->LoadOptions();
    }
    // Puts `text` in the editor as a fresh document, [caret, caret + selected) selected.
    void load(std::string_view text, markup::Pos caret = 0, markup::Pos selected = 0)
    {
        body().loadText(text);
        body().setSelection(caret, selected);
    }
    // Types `words` and selects the last `selected` characters with Shift+Left.
    void typeAndSelect(const QString& words, int selected)
    {
        type(words);
        for (int i = 0; i < selected; ++i) QTest::keyClick(&body(), Qt::Key_Left, Qt::ShiftModifier);
    }
    // As a menu entry runs it.
    void run(const char* command) { window->commands().run(QString::fromLatin1(command)); }

    testing_support::ScriptedInteraction ui;
    std::unique_ptr<RecordingWindow> window;
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
