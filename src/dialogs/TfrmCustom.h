// TfrmCustom ("Customize Button #N"): the editor of one custom button, the one
// `custom`/`set` names. OK stores the three fields, Cancel nothing.
#pragma once

#include <QDialog>

class QLineEdit;

namespace dialogs {

class TfrmCustom : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCustom(QWidget* parent = nullptr);

    QLineEdit* txtCaption() const { return txtCaption_; }
    QLineEdit* txtStart() const { return txtStart_; }
    QLineEdit* txtStop() const { return txtStop_; }

private:
    void btnOkClick();

    QLineEdit* txtCaption_;
    QLineEdit* txtStart_;
    QLineEdit* txtStop_;
};

}  // namespace dialogs
