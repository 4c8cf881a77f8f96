// Recovery of unsaved work. While the document has unsaved changes, a snapshot
// of it (its path, format and text) is written to a recovery file of this
// process, about 2 s after the last change and at least every 30 s while
// changes go on; the file goes when the text is saved or discarded and when
// the editor closes normally. At the next start, the files of instances that
// ended without closing are offered back.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "storage/RecoveryFile.h"

namespace editor {
class BodyControl;
}  // namespace editor

namespace app {

class Recovery : public QObject {
    Q_OBJECT
public:
    static constexpr int kIdleMs = 2000;
    static constexpr int kLatestMs = 30000;

    // Snapshots of `body` go to `file`; `name` says what the document is when
    // each is taken. Changes are followed from here on.
    Recovery(editor::BodyControl& body, std::function<storage::DocumentName()> name, QString file);
    // Waits for a write in progress and removes the file.
    ~Recovery() override;

    // Takes a snapshot now when the text is modified: the text is copied here
    // in one pass and written on a worker thread through the safe save; a
    // failure is one line on stderr. While a write is in progress the next
    // snapshot waits for it.
    void snapshot();
    // Removes the file (when a write is in progress, as soon as it ends).
    void discard();
    // For benchmarks and tests: blocks until the write in progress has ended.
    void waitForWrite();

    // At start: asks about every recovery file of an instance that is no
    // longer running (storage::isRunningInstance; a file named after this
    // process is a leftover too), newest first: "Quillon Pro was not closed
    // properly. Recover the unsaved text of "PATH" (saved at TIME)?" with
    // Recover and Discard. Discard deletes the file; Esc and the close box
    // keep it for the next start. Recover hands the text to `restore`, makes
    // the file this instance's own and ends the questions: the window holds
    // one document, and the other files are offered at the next start.
    void offerStaleFiles(const std::function<void(const storage::RecoveredText&)>& restore);

private:
    void schedule();
    void written();
    // Removes the file when this instance wrote it or took it over; a file
    // it could not read is left as it is.
    void removeOwnFile();

    editor::BodyControl& body_;
    std::function<storage::DocumentName()> name_;
    QString file_;
    QTimer idle_;
    QTimer latest_;
    std::thread writer_;
    std::atomic<bool> written_{false};  // the writer has ended
    QString error_;                     // the writer's reason of a failure, read once it has ended
    bool writing_ = false;
    bool pending_ = false;   // a snapshot is due once the write in progress ends
    bool keep_ = false;      // false: the file goes once the write in progress ends
    bool reported_ = false;  // a failure was reported since the last success
    bool owned_ = false;     // the file is this instance's
};

}  // namespace app
