#include "TfrmLink.h"

#include <QLineEdit>

namespace dialogs {

TfrmLink::TfrmLink(const QString& selected, bool lowerCase, QWidget* parent)
    : TagDialog(tr("Anchor"), "frmLink", parent), lowerCase_(lowerCase)
{
    txtAddr_ = textField("txtAddr", tr("URL to link to"), this, QStringLiteral("http://"));
    txtDesc_ = textField("txtDesc", tr("The link that shows on the page - text, image tag, etc."), this, selected);
    txtTarget_ = textField("txtTarget", tr("Name of target frame, leave blank for none"), this);
    layOutRows({{tr("Address:"), txtAddr_}, {tr("Description:"), txtDesc_}, {tr("Target:"), txtTarget_}}, "btnOK",
               "btnCancel");
    txtAddr_->setFocus();
}

LinkFields TfrmLink::fields() const
{
    return {txtAddr_->text(), txtDesc_->text(), txtTarget_->text()};
}

void TfrmLink::btnOKClick()
{
    const Composed result = anchorElement(fields(), lowerCase_);
    if (result.refused()) return refuse(result.warning);
    element_ = result.text;
    accept();
}

}  // namespace dialogs
