// The editor of one custom button: three fields, OK and Cancel.
#include "TfrmCustom.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "CustomButtons.h"
#include "interaction/WindowPlace.h"
#include "settings/SettingsStore.h"

namespace dialogs {

namespace {

// A field limited to `limit` characters for typing; a longer stored value is
// shown whole, so that OK does not cut what the author did not touch.
QLineEdit* limitedField(QWidget* parent, const char* name, const QString& hint, const QString& text, int limit)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(hint);
    field->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    field->setText(text);
    return field;
}

}  // namespace

TfrmCustom::TfrmCustom(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmCustom"));
    const int n = settings::SettingsStore().read(settings::custom::kSet);
    setWindowTitle(QStringLiteral("Customize Button #%1").arg(n));
    const CustomButton button = readCustomButton(settings::SettingsStore(), n);

    txtCaption_ =
        limitedField(this, "txtCaption", QStringLiteral("Caption of this button"), button.caption, kCustomCaptionLimit);
    txtStart_ = limitedField(this, "txtStart", QStringLiteral("Beginning Tag"), button.start, kCustomTagLimit);
    txtStop_ = limitedField(this, "txtStop", QStringLiteral("Closing Tag"), button.stop, kCustomTagLimit);
    // The caption field wide enough for a caption of ten characters, the tags wider.
    const int caption = fontMetrics().horizontalAdvance(QStringLiteral("Custom 10WW"));
    txtCaption_->setFixedWidth(caption);
    txtStart_->setMinimumWidth(caption * 3 / 2);
    txtStop_->setMinimumWidth(caption * 3 / 2);

    auto* fields = new QGridLayout;
    const QLineEdit* order[] = {txtCaption_, txtStart_, txtStop_};
    const char* labels[] = {"Caption:", "Start Tag:", "Closing Tag:"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromLatin1(labels[i]), this);
        label->setBuddy(const_cast<QLineEdit*>(order[i]));
        fields->addWidget(label, 0, i);
        fields->addWidget(const_cast<QLineEdit*>(order[i]), 1, i);
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmCustom::btnOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    txtCaption_->setFocus(Qt::OtherFocusReason);

    adjustSize();
    interaction::centreOnScreen(*this, parent);
}

void TfrmCustom::btnOkClick()
{
    settings::SettingsStore store;
    writeCustomButton(store, store.read(settings::custom::kSet),
                      {txtCaption_->text(), txtStart_->text(), txtStop_->text()});
    accept();
}

}  // namespace dialogs
