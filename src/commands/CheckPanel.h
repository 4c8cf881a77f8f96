// The problems panel of Tools > Check Page: one row per problem of the page
// (line, column, severity, message) in the order of the text. While it is
// shown it follows the text: after a pause in typing the page is checked
// again on a worker thread, a check the text has overtaken is abandoned, and
// the places are marked in the editor. Enter or a double click on a row, F4
// and Ctrl+Shift+F4 select the problem's text.
#pragma once

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "check/PageCheck.h"

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace editor {
class TextView;
}

namespace commands {

class CheckPanel : public QWidget {
    Q_OBJECT
public:
    // The pause in typing after which the text is checked again.
    static constexpr int kPauseMs = 400;

    CheckPanel(editor::TextView& body, std::function<QString()> pagePath, QWidget* parent = nullptr);
    ~CheckPanel() override;
    QSize sizeHint() const override;

    // Starts following the text (a check at once) or stops and clears the marks.
    void follow(bool on);
    // The text changed: checked again after the pause.
    void textChanged();
    // Selects the next (+1) or previous (-1) problem from the caret, round the end.
    void step(int direction);
    // Selects the text of the problem in `row`.
    void jumpTo(int row);

    const std::vector<check::Problem>& problems() const { return problems_; }
    QTreeWidget& list() { return *list_; }
    QCheckBox& notesBox() { return *notes_; }

signals:
    // A check's problems are listed and marked.
    void checked();

private:
    void startCheck();
    void showProblems(std::vector<check::Problem> problems);

    editor::TextView& body_;
    std::function<QString()> pagePath_;
    QTreeWidget* list_;
    QCheckBox* notes_;
    QLabel* summary_;
    QTimer pause_;
    QFutureWatcher<std::vector<check::Problem>> watcher_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::string checkedText_;  // the text of the last check started
    bool following_ = false;
    bool again_ = false;  // the text changed while a check ran
    std::vector<check::Problem> problems_;
};

}  // namespace commands
