// A small stand-in for the main window in command-module tests: a real `body`
// inside a plain window, options that tests set directly, highlighting through
// the real highlighter, and a record of the wait captions shown.
#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "app/BodyEditor.h"
#include "app/EditorContext.h"

namespace testing_support {

class FakeEditorContext final : public app::EditorContext {
public:
    FakeEditorContext();
    ~FakeEditorContext() override;

    app::BodyEditor& body() override { return *body_; }
    QWidget* window() override { return window_.get(); }

    const settings::Options& options() const override { return options_; }
    void loadOptions() override;

    bool highlightingOn() const override { return highlighting_; }
    void setHighlightingOn(bool on) override { highlighting_ = on; }
    void recolourNearCaret(int linesBack, int extraLines) override;
    void colourDocument() override;

    markup::KeyFlags& keyFlags() override { return keyFlags_; }

    void beginWait(const QString& caption) override;
    void endWait() override;

    QString documentPath() const override { return path_; }
    bool saveDocument(bool addToRecent) override;

    // Test controls and records.
    settings::Options& mutableOptions() { return options_; }
    void setDocumentPath(const QString& path) { path_ = path; }
    QStringList waitCaptions;  // every caption shown by beginWait
    int waitDepth = 0;         // beginWait calls not yet ended
    int saves = 0;
    bool saveResult = true;

private:
    std::unique_ptr<QWidget> window_;
    app::BodyEditor* body_;  // owned by window_
    settings::Options options_;
    bool highlighting_ = false;
    markup::KeyFlags keyFlags_;
    QString path_;
    QString savedTitle_;
};

}  // namespace testing_support
