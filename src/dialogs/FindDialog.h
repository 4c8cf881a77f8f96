// The modeless Find and Replace dialogs, laid out and keyed like the desktop's
// usual ones: "Find what" (and "Replace with"), Find Next as the default button,
// Replace, Replace All and Cancel. Searching is always forward and ignores case,
// so there are no case, whole-word or direction choices. The dialogs only
// collect the texts and report the buttons; the editor does the searching.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dialogs {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    // The platform's dialogs hold at most this many characters in each field.
    static constexpr int kMaxTextLength = 255;

    explicit FindDialog(QWidget* parent = nullptr) : FindDialog(false, parent) {}

    QString findText() const;
    void setFindText(const QString& text);

    // Shows the dialog, or brings it forward, with the focus in "Find what"
    // and its text selected.
    void present();

signals:
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();

protected:
    FindDialog(bool withReplace, QWidget* parent);
    QLineEdit* replaceField() const { return txtReplaceWith_; }

private:
    void updateButtons();

    QLineEdit* txtFindWhat_ = nullptr;
    QLineEdit* txtReplaceWith_ = nullptr;
    QPushButton* btnFindNext_ = nullptr;
    QPushButton* btnReplace_ = nullptr;
    QPushButton* btnReplaceAll_ = nullptr;
};

class ReplaceDialog : public FindDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget* parent = nullptr) : FindDialog(true, parent) {}

    QString replaceText() const;
    void setReplaceText(const QString& text);
};

}  // namespace dialogs
