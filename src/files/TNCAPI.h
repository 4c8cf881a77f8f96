// The conversation with the "netscape" browser choice of the preview.
//
// Where the editor was first written, this was a DDE conversation with a
// running browser: Activate brought it to the front, OpenURL asked it to load
// a document, and an empty reply meant that no browser had answered. Linux
// desktops have no such conversation. Its equivalent here is to start the
// browser program (the `nspath` setting: a program and its own arguments,
// default "xdg-open") with the document path as one more argument, never
// through a shell; a browser that is already running hands the path to its
// running instance, which loads it and comes to the front. The reply is
// whether the program could be started.
#pragma once

#include <QString>
#include <QStringList>

namespace files {

class TNCAPI {
public:
    explicit TNCAPI(QString commandLine) : commandLine_(std::move(commandLine)) {}

    // Brings the browser forward: starts the program with no document. The
    // reply is the started program's process id, empty when it could not be
    // started (as an unanswered conversation was empty).
    QString Activate();
    // Asks the browser to load the document at `path` (a local path, not a
    // URL): starts the program with the path as its last argument, exactly as
    // given, blanks and shell characters included. The reply as for Activate.
    QString OpenURL(const QString& path);
    // Whether the program shows documents only, as the desktop's opener
    // (xdg-open and its kin) does: started without one, it merely prints its
    // usage, so there is nothing to bring forward.
    bool needsDocument() const;

private:
    QString launch(const QStringList& document);

    QString commandLine_;
};

}  // namespace files
