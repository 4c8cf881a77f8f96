// MultiLineField: a plain multi-line text field for dialogs. Its text is read
// and written in the stored form (lines joined by CR LF), it can be limited to a
// number of stored characters (a line break counts two, as it is stored), Tab
// moves the focus on, Return starts a new line, and Ctrl+Tab (which the text
// control leaves alone) reaches the page control around it.
#pragma once

#include <QPlainTextEdit>

namespace dialogs {

class MultiLineField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineField(QWidget* parent = nullptr);

    // The text with CR LF line breaks. Setting it is not limited: a longer
    // stored text is shown whole, and only typing or pasting is refused.
    QString storedText() const;
    void setStoredText(const QString& text);

    // 0 (the default) means no limit.
    void setMaxLength(int length) { maxLength_ = length; }
    int maxLength() const { return maxLength_; }

private:
    void noteChange(int position, int charsAdded);
    void enforceLimit();

    int maxLength_ = 0;
    bool loading_ = false;
    int changedAt_ = 0;
    int changedChars_ = 0;
};

}  // namespace dialogs
