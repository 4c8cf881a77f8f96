// TfrmName, the small name prompt of the side panel's new-folder and rename
// commands: caption "Name", a tool window with the field txtName, OK (the
// default button) and Cancel (Esc).
#pragma once

#include <QDialog>
#include <QPoint>

class QLineEdit;
class QPushButton;

namespace files {

class TfrmName : public QDialog {
    Q_OBJECT
public:
    // The prompt prefilled with `name`, its top-left corner at `place` (in
    // screen coordinates; kept on the screen that holds it).
    TfrmName(const QString& name, const QPoint& place, QWidget* parent = nullptr);

    // The name result: the text of txtName after OK, else empty.
    QString nameResult() const;

    // Where the prompt goes: 2 pixels right of the editor's left edge and 2
    // pixels above the file list's top edge.
    static QPoint placeBeside(const QWidget& body, const QWidget& filebox);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* txtName_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
    QPoint place_;
};

}  // namespace files
