#include "TfrmImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

TfrmImage::TfrmImage(bool lowerCase, QWidget* parent)
    : TagDialog(tr("Image"), "frmImage", parent), lowerCase_(lowerCase)
{
    txtImage_ = textField("txtImage", tr("Name of image, including path on Web Server"), this);
    chkLink_ = named(new QCheckBox(tr("&Link to:"), this), "chkLink", tr("Check this to link to the URL to the right"));
    txtLink_ = textField("txtLink", tr("URL to link this image to"), this, QStringLiteral("http://"));
    cmbBorder_ = editableDropDown("cmbBorder", tr("Width of border around image, in pixels"), imageBorderItems(), this);
    txtWidth_ = named(new QLineEdit(this), "txtWidth", tr("Width of image, in either pixels or percent"));
    txtHeight_ = named(new QLineEdit(this), "txtHeight", tr("Height of image, in either pixels or percent"));
    cmbAlign_ = editableDropDown("cmbAlign", tr("Alignment of image on page"), imageAlignItems(), this);
    txtAlt_ = textField("txtAlt", tr("Text to show if image doesn't load"), this);
    chkISMAP_ = named(new QCheckBox(tr("IsMap"), this), "chkISMAP", tr("For Image Maps that use CGI"));
    chkUSEMAP_ = named(new QCheckBox(tr("UseMap"), this), "chkUSEMAP", tr("For Client Side Image Maps"));
    txtUSEMAP_ = named(new QLineEdit(QStringLiteral("#"), this), "txtUSEMAP", tr("Same name used in <map> tag"));
    const int digits = txtWidth_->fontMetrics().horizontalAdvance(QStringLiteral("0000000"));
    for (QLineEdit* small : {txtWidth_, txtHeight_}) small->setFixedWidth(digits + 12);
    txtLink_->installEventFilter(this);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(labelFor(tr("&Image:"), txtImage_, this), 0, 0);
    grid->addWidget(txtImage_, 0, 1, 1, 5);
    grid->addWidget(chkLink_, 1, 0);
    grid->addWidget(txtLink_, 1, 1, 1, 5);
    grid->addWidget(labelFor(tr("&Border:"), cmbBorder_, this), 2, 0);
    grid->addWidget(cmbBorder_, 2, 1);
    grid->addWidget(labelFor(tr("&Width:"), txtWidth_, this), 2, 2, Qt::AlignRight);
    grid->addWidget(txtWidth_, 2, 3);
    grid->addWidget(labelFor(tr("&Height:"), txtHeight_, this), 2, 4, Qt::AlignRight);
    grid->addWidget(txtHeight_, 2, 5);
    grid->addWidget(labelFor(tr("&Align:"), cmbAlign_, this), 3, 0);
    grid->addWidget(cmbAlign_, 3, 1);
    grid->addWidget(labelFor(tr("Alternate &Text:"), txtAlt_, this), 3, 2, Qt::AlignRight);
    grid->addWidget(txtAlt_, 3, 3, 1, 3);
    auto* maps = new QHBoxLayout;
    maps->addWidget(chkISMAP_);
    maps->addWidget(chkUSEMAP_);
    maps->addWidget(txtUSEMAP_, 1);
    grid->addLayout(maps, 4, 0, 1, 6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(buttons, "btnOK", "btnCancel");
    grid->addLayout(buttons, 5, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    QWidget* order[] = {txtImage_, chkLink_,  txtLink_,   cmbBorder_, txtWidth_, txtHeight_, cmbAlign_,
                        txtAlt_,   chkISMAP_, chkUSEMAP_, txtUSEMAP_, btnOK_,    btnCancel_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    cmbBorder_->setCurrentIndex(0);
    cmbAlign_->setCurrentIndex(0);
    txtImage_->setFocus();
}

ImageFields TfrmImage::fields() const
{
    ImageFields f;
    f.image = txtImage_->text();
    f.linked = chkLink_->isChecked();
    f.link = txtLink_->text();
    f.border = cmbBorder_->currentText();
    f.width = txtWidth_->text();
    f.height = txtHeight_->text();
    f.align = cmbAlign_->currentText();
    f.alternate = txtAlt_->text();
    f.isMap = chkISMAP_->isChecked();
    f.useMap = chkUSEMAP_->isChecked();
    f.mapName = txtUSEMAP_->text();
    return f;
}

bool TfrmImage::eventFilter(QObject* watched, QEvent* event)
{
    // A key that works in the link field ticks "Link to" (it never unticks
    // it); keys that only leave the field or close the dialog do not.
    if (watched == txtLink_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool passing = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
                             key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Shift ||
                             key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
                             key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
        if (!passing) chkLink_->setChecked(true);
    }
    return TagDialog::eventFilter(watched, event);
}

void TfrmImage::btnOKClick()
{
    const Composed result = imageElement(fields(), lowerCase_);
    if (result.refused()) return refuse(result.warning);
    element_ = result.text;
    accept();
}

}  // namespace dialogs
