// The interaction port: every message box, file dialog and modal dialog that
// the editor opens goes through the current Interaction, so that tests can
// script the answers and read back what the author would have been shown.
// Production uses QMessageBox and QFileDialog with the exact texts.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace interaction {

enum class Answer { Yes, No, Cancel, Ok };
enum class Buttons { YesNo, YesNoCancel };
enum class MessageKind { Information, Warning, Error, Question };

class Interaction {
public:
    virtual ~Interaction() = default;
    // A question with Yes and No (Esc: No) or Yes, No and Cancel (Esc: Cancel).
    virtual Answer ask(const QString& text, Buttons buttons, Answer defaultButton = Answer::Yes) = 0;
    // A question whose buttons say what they do ("Recover", "Discard"): the
    // index in `buttons` of the one chosen. Return chooses `defaultButton`;
    // Esc and the close box give `escapeButton`, which need not be a button
    // (-1: the box was closed without a choice).
    virtual int choose(const QString& text, const QStringList& buttons, int defaultButton, int escapeButton) = 0;
    // One OK button; information, warning or error icon.
    virtual void show(MessageKind kind, const QString& text) = 0;
    // File dialogs; an empty result means cancelled. `filters` are Qt filters
    // ("HTML files (*.htm *.html)"); `folder` is the initial folder.
    virtual QString openFileName(const QString& title, const QString& folder, const QStringList& filters) = 0;
    virtual QString saveFileName(const QString& title, const QString& folder, const QString& name,
                                 const QStringList& filters) = 0;
    // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
    virtual int runModal(QDialog& dialog) = 0;

    void inform(const QString& text) { show(MessageKind::Information, text); }
    void warn(const QString& text) { show(MessageKind::Warning, text); }
    void error(const QString& text) { show(MessageKind::Error, text); }
};

// The interaction in force: the production one unless a test installed another.
Interaction& ui();
// Installs `next` (nullptr restores production) and returns the previous one.
Interaction* setInteraction(Interaction* next);

// What every dialog gets before it first shows: a size within its screen
// (where the dialog can be resized) and fields that an Alt key no access key
// answers does not type into (Qt would type its letter). The port does it for
// every dialog it runs; a modeless dialog does it itself.
void prepareDialog(QDialog& dialog);

// After a dialog closed: activates `window` when no shown window is active. On
// a bare X server (no window manager) nobody else gives the activation back,
// and the window's shortcuts would stay dead until it is clicked.
void reactivateAfterDialog(QWidget* window);

// Message boxes and file dialogs on screen.
class WidgetInteraction final : public Interaction {
public:
    Answer ask(const QString& text, Buttons buttons, Answer defaultButton) override;
    int choose(const QString& text, const QStringList& buttons, int defaultButton, int escapeButton) override;
    void show(MessageKind kind, const QString& text) override;
    QString openFileName(const QString& title, const QString& folder, const QStringList& filters) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& name,
                         const QStringList& filters) override;
    int runModal(QDialog& dialog) override;
};

}  // namespace interaction
