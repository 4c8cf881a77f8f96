#include "TfrmEMail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace dialogs {

TfrmEMail::TfrmEMail(const QString& selected, bool lowerCase, QWidget* parent)
    : TagDialog(tr("E-Mail Anchor"), "frmEMail", parent), lowerCase_(lowerCase)
{
    txtAddress_ = textField("txtAddress", tr("The actual E-Mail address"), this);
    txtDesc_ = textField("txtDesc", tr("Link that show as text on the page"), this, selected);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(labelFor(tr("Address:"), txtAddress_, this), 0, 0);
    grid->addWidget(txtAddress_, 0, 1);
    grid->addWidget(labelFor(tr("Description:"), txtDesc_, this), 1, 0);
    grid->addWidget(txtDesc_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(buttons, "Button1", "Button2");
    grid->addLayout(buttons, 2, 0, 1, 2);
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
