// TfrmEMail, the "E-Mail Anchor" dialog: an address and a description (the
// selection of the document when there is one) make one mailto anchor.
#pragma once

#include "LinkComposition.h"
#include "TagDialog.h"

namespace dialogs {

class TfrmEMail : public TagDialog {
    Q_OBJECT
public:
    TfrmEMail(const QString& selected, bool lowerCase, QWidget* parent = nullptr);

    MailFields fields() const;
    const QString& element() const { return element_; }

private:
    void btnOKClick() override;

    QLineEdit* txtAddress_;
    QLineEdit* txtDesc_;
    bool lowerCase_;
    QString element_;
};

}  // namespace dialogs
