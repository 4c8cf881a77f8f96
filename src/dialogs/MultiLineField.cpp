// The multi-line field: stored-form text, the length limit, and the keys it
// leaves to the dialog.
#include "MultiLineField.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "OptionsForm.h"

namespace dialogs {

MultiLineField::MultiLineField(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { noteChange(position, added); });
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineField::enforceLimit);
}

QString MultiLineField::storedText() const
{
    // Block by block: toPlainText() would turn non-breaking spaces into blanks.
    QStringList lines;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) lines << b.text();
    return toStoredLines(lines.join(u'\n'));
}

void MultiLineField::setStoredText(const QString& text)
{
    loading_ = true;
    setPlainText(fromStoredLines(text));
    loading_ = false;
}

void MultiLineField::noteChange(int position, int charsAdded)
{
    changedAt_ = position;
    changedChars_ = charsAdded;
}

void MultiLineField::enforceLimit()
{
    if (loading_ || maxLength_ <= 0 || changedChars_ <= 0) return;
    int excess = static_cast<int>(storedText().size()) - maxLength_;
    if (excess <= 0) return;
    // Give back the end of what was just typed or pasted, counting a line
    // break as the two characters it is stored as.
    QTextCursor cursor(document());
    cursor.setPosition(changedAt_);
    cursor.setPosition(changedAt_ + changedChars_, QTextCursor::KeepAnchor);
    const QString added = cursor.selectedText();
    int cut = 0;
    while (excess > 0 && cut < added.size()) {
        const QChar c = added.at(added.size() - 1 - cut);
        excess -= (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) ? 2 : 1;
        ++cut;
    }
    changedChars_ = 0;
    const int end = changedAt_ + static_cast<int>(added.size());
    cursor.setPosition(end - cut);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.joinPreviousEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    setTextCursor(cursor);
}

}  // namespace dialogs
