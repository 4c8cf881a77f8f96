#include "TfrmStyle.h"

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

    layOutRows({{tr("Style Sheet:"), txtStyle_, btnBrowse_}}, "Button1", "Button2");
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
