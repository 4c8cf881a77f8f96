#include "TfrmLink.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace dialogs {

TfrmLink::TfrmLink(const QString& selected, bool lowerCase, QWidget* parent)
    : TagDialog(tr("Anchor"), "frmLink", parent), lowerCase_(lowerCase)
{
    txtAddr_ = textField("txtAddr", tr("URL to link to"), this, QStringLiteral("http://"));
    txtDesc_ = textField("txtDesc", tr("The link that shows on the page - text, image tag, etc."), this, selected);
    txtTarget_ = textField("txtTarget", tr("Name of target frame, leave blank for none"), this);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(labelFor(tr("Address:"), txtAddr_, this), 0, 0);
    grid->addWidget(txtAddr_, 0, 1);
    grid->addWidget(labelFor(tr("Description:"), txtDesc_, this), 1, 0);
    grid->addWidget(txtDesc_, 1, 1);
    grid->addWidget(labelFor(tr("Target:"), txtTarget_, this), 2, 0);
    grid->addWidget(txtTarget_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(buttons, "btnOK", "btnCancel");
    grid->addLayout(buttons, 3, 0, 1, 2);
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
