// A small EditorContext around a real BodyEditor for the tests of the snippet
// and text-tool command modules: options are set by the test, and recolouring,
// document colouring and the wait caption are recorded.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <utility>
#include <vector>

#include "app/BodyEditor.h"
#include "app/CommandModules.h"
#include "app/CommandRegistry.h"
#include "app/EditorContext.h"

namespace tools_test {

class FakeContext final : public app::EditorContext {
public:
    FakeContext()
    {
        options_.updateTrailer = settings::defaults::kCustom;
        app::registerSnippetCommands(*this, registry);
        app::registerTextToolCommands(*this, registry);
    }

    app::BodyEditor& body() override { return body_; }
    QWidget* window() override { return &window_; }
    const settings::Options& options() const override { return options_; }
    void loadOptions() override {}
    bool highlightingOn() const override { return highlighting_; }
    void setHighlightingOn(bool on) override { highlighting_ = on; }
    void recolourNearCaret(int linesBack, int extraLines) override { recolours.emplace_back(linesBack, extraLines); }
    void colourDocument() override { ++documentColourings; }
    markup::KeyFlags& keyFlags() override { return flags_; }
    void beginWait(const QString& caption) override
    {
        waitCaptions << caption;
        ++waiting;
    }
    void endWait() override { --waiting; }
    QString documentPath() const override { return {}; }
    bool saveDocument(bool) override { return false; }

    // Loads a text as a fresh document with the caret at `caret`.
    void load(const std::string& text, markup::Pos caret = 0, markup::Pos selected = 0)
    {
        body_.loadText(text);
        body_.setSelection(caret, selected);
    }
    void run(const char* command) { EXPECT_TRUE(registry.run(QString::fromLatin1(command))) << command; }

    settings::Options& mutableOptions() { return options_; }
    app::CommandRegistry registry;
    std::vector<std::pair<int, int>> recolours;
    int documentColourings = 0;
    QStringList waitCaptions;
    int waiting = 0;

private:
    QWidget window_;
    app::BodyEditor body_{&window_};
    settings::Options options_;
    markup::KeyFlags flags_;
    bool highlighting_ = false;
};

}  // namespace tools_test
