// The tag list editor dialog.
#include "TfrmModTags.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "MultiLineField.h"
#include "TagList.h"
#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"

namespace dialogs {

TfrmModTags::TfrmModTags(const QString& path, const QStringList& shown, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      path_(path),
      memoTags_(new MultiLineField(this)),
      Label1_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmModTags"));
    setWindowTitle(QStringLiteral("Modify Tag List"));
    memoTags_->setObjectName(QStringLiteral("memoTags"));
    memoTags_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoTags_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoTags_->setAccessibleName(QStringLiteral("Tag list"));
    Label1_->setObjectName(QStringLiteral("Label1"));

    auto* save = new QPushButton(QStringLiteral("&Save"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    save->setObjectName(QStringLiteral("btnSave"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    save->setToolTip(QStringLiteral("Save Changes to List"));
    cancel->setToolTip(QStringLiteral("Cancels and does not save changes"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &TfrmModTags::btnSaveClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The file as it stands; the count is not updated while the author types.
    TagListRead read = readTagList(path_);
    const QStringList entries = read.status == TagListRead::Status::Read ? read.entries : shown;
    format_ = read.format;
    memoTags_->setStoredText(tagListEditorText(entries));
    Label1_->setText(lineCountText(static_cast<int>(entries.size())));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1_, 1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(memoTags_, 1);
    layout->addLayout(buttons);
    memoTags_->setFocus(Qt::OtherFocusReason);

    setFixedSize(320, 360);
    interaction::centreOnScreen(*this, parent);
}

void TfrmModTags::btnSaveClick()
{
    entries_ = splitTagList(memoTags_->storedText());
    const QString failure = writeTagList(path_, entries_, format_);
    if (!failure.isEmpty()) interaction::ui().error(failure);
    saved_ = true;
    written_ = failure.isEmpty();
    accept();
}

}  // namespace dialogs
