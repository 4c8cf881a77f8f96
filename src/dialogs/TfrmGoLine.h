// The modal Go to Line dialog (TfrmGoLine): a line number, "&Go" and "Cancel".
// Go puts the caret at the end of that line and closes; a refused number is
// reported in a message box and the dialog stays open for another try.
#pragma once

#include <QDialog>
#include <QString>

#include "markup/TextEditor.h"

class QLineEdit;
class QPushButton;

namespace dialogs {

// What Go does with the typed text in a document of `lineCount` lines (as
// markup::goToLineCount counts them).
struct GoLineCheck {
    enum class Verdict { Nothing, NotAnInteger, OutOfRange, Go };
    Verdict verdict = Verdict::Nothing;
    int line = 0;     // counted from 1, for Go
    QString message;  // for NotAnInteger and OutOfRange
};
GoLineCheck checkGoLine(const QString& text, int lineCount);

class TfrmGoLine : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGoLine(markup::TextEditor& body, QWidget* parent = nullptr);

private:
    void Button1Click();

    markup::TextEditor& body_;
    QLineEdit* txtGoLine_;
    QPushButton* Button1_;
    QPushButton* Button2_;
};

}  // namespace dialogs
