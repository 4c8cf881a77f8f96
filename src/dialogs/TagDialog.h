// What the tag builder dialogs share: a small modal window with its caption,
// centred on the screen when it first shows; OK as the default button (Return
// in a text field, on a check box or in a drop-down presses it) and Cancel
// (Esc); and warnings in a message box over the dialog, after which the
// dialog stays open with the focus back where it was.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <initializer_list>

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

class TagDialog : public QDialog {
    Q_OBJECT
protected:
    TagDialog(const QString& caption, const char* objectName, QWidget* parent);

    // OK and Cancel side by side at the end of `row`; OK runs btnOKClick.
    void addOkCancel(QBoxLayout* row, const char* okName, const char* cancelName);
    // A row of the dialog: the caption of a label whose access key leads to
    // the field (no label when empty), the field, and a control beside it.
    struct Row {
        QString label;
        QWidget* field = nullptr;
        QWidget* beside = nullptr;
    };
    // The rows one under the other, labels on the left, the dialog at the size
    // they need, and OK and Cancel at the bottom right (see addOkCancel).
    void layOutRows(std::initializer_list<Row> rows, const char* okName, const char* cancelName);
    virtual void btnOKClick() { accept(); }
    // Shows a warning; the focus then goes back to the control that had it.
    void refuse(const QString& warning);
    // Whether the dialog centres itself on the screen when first shown.
    void setCentred(bool centred) { centred_ = centred; }

    void showEvent(QShowEvent* event) override;

    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;

private:
    bool centred_ = true;
    bool shown_ = false;
};

// Controls named as the dialogs' fields are, with their hints (every dialog
// of this folder names its controls so).
template <typename W>
W* named(W* widget, const char* name, const QString& hint = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) widget->setToolTip(hint);
    return widget;
}
QLineEdit* textField(const char* name, const QString& hint, QWidget* parent, const QString& text = {});
// An editable drop-down of `items` that takes typed text as it is (nothing is
// added to the items) and leaves Return to the dialog.
QComboBox* editableDropDown(const char* name, const QString& hint, const QStringList& items, QWidget* parent);
// A label whose access key leads to `field`.
QLabel* labelFor(const QString& text, QWidget* field, QWidget* parent);

}  // namespace dialogs
