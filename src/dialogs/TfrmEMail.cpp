#include "TfrmEMail.h"

#include <QLineEdit>

namespace dialogs {

TfrmEMail::TfrmEMail(const QString& selected, bool lowerCase, QWidget* parent)
    : TagDialog(tr("E-Mail Anchor"), "frmEMail", parent), lowerCase_(lowerCase)
{
    txtAddress_ = textField("txtAddress", tr("The actual E-Mail address"), this);
    txtDesc_ = textField("txtDesc", tr("Link that show as text on the page"), this, selected);
    layOutRows({{tr("Address:"), txtAddress_}, {tr("Description:"), txtDesc_}}, "Button1", "Button2");
    txtAddress_->setFocus();
}

MailFields TfrmEMail::fields() const
{
    return {txtAddress_->text(), txtDesc_->text()};
}

void TfrmEMail::btnOKClick()
{
    element_ = mailElement(fields(), lowerCase_);
    accept();
}

}  // namespace dialogs
