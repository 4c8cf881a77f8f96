#include "TfrmStyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "LinkComposition.h"
#include "interaction/Interaction.h"
#include "storage/FileNames.h"

namespace dialogs {

TfrmStyle::TfrmStyle(const QString& folder, bool lowerCase, QWidget* parent)
    : TagDialog(tr("Style Sheet"), "frmStyle", parent), folder_(folder), lowerCase_(lowerCase)
{
    txtStyle_ = textField("txtStyle", {}, this);
    btnBrowse_ = named(new QPushButton(QStringLiteral("..."), this), "btnBrowse");
    QFont bold = btnBrowse_->font();
    bold.setBold(true);
    btnBrowse_->setFont(bold);
    btnBrowse_->setFixedWidth(btnBrowse_->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 18);
    connect(btnBrowse_, &QPushButton::clicked, this, &TfrmStyle::btnBrowseClick);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(labelFor(tr("Style Sheet:"), txtStyle_, this), 0, 0);
    grid->addWidget(txtStyle_, 0, 1);
    grid->addWidget(btnBrowse_, 0, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(buttons, "Button1", "Button2");
    grid->addLayout(buttons, 1, 0, 1, 3);
    txtStyle_->setFocus();
}

void TfrmStyle::btnOKClick()
{
    element_ = styleSheetLink(txtStyle_->text(), lowerCase_);
    accept();
}

void TfrmStyle::btnBrowseClick()
{
    const QString path = interaction::ui().openFileName(tr("Browse"), folder_,
                                                        {tr("Cascading Style Sheet (*.css)"), tr("All Files (*)")});
    if (!path.isEmpty()) txtStyle_->setText(storage::FileNamePart(path));
}

}  // namespace dialogs
