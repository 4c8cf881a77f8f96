#include "TfrmLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "settings/SettingsStore.h"

namespace dialogs {
namespace {
// The item showing `text` in any letter case, or -1 for a text of one's own.
int itemOf(const QComboBox* box, const QString& text)
{
    return box->findText(text, Qt::MatchFixedString);
}
// Selects a stored item; an index the list does not have leaves the box empty.
void selectStored(QComboBox* box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}
}  // namespace

TfrmLine::TfrmLine(bool lowerCase, QWidget* parent) : TagDialog(tr("Line"), "frmLine", parent), lowerCase_(lowerCase)
{
    txtlSize_ = textField("txtlSize", tr("Size in pixels of the line's height"), this);
    txtlWidth_ = textField("txtlWidth", tr("Width of the line in pixels or percent of window width"), this);
    cmbAlign_ = editableDropDown("cmbAlign", tr("Alignment of the line"), lineAlignItems(), this);
    cmbColor_ = editableDropDown("cmbColor", tr("Color of the line"), lineColourItems(), this);
    chkShade_ = named(new QCheckBox(tr("Shading"), this), "chkShade", tr("Check for 3D line, uncheck for solid line"));

    layOutRows({{tr("Size:"), txtlSize_},
                {tr("Width:"), txtlWidth_},
                {tr("Align:"), cmbAlign_},
                {tr("Color:"), cmbColor_},
                {{}, chkShade_}},
               "btnOK", "btnCancel");

    FormCreate();
    txtlSize_->setFocus();
}

void TfrmLine::FormCreate()
{
    const settings::SettingsStore store;
    txtlSize_->setText(store.read(settings::hr::kLastSize));
    txtlWidth_->setText(store.read(settings::hr::kLastWidth));
    selectStored(cmbColor_, store.read(settings::hr::kLastColour));
    selectStored(cmbAlign_, store.read(settings::hr::kLastAlign));
    chkShade_->setChecked(store.read(settings::hr::kShade));
}

LineFields TfrmLine::fields() const
{
    return {txtlSize_->text(), txtlWidth_->text(), cmbAlign_->currentText(), cmbColor_->currentText(),
            chkShade_->isChecked()};
}

void TfrmLine::btnOKClick()
{
    const LineFields f = fields();
    element_ = lineTag(f, lowerCase_);
    settings::SettingsStore store;
    store.write(settings::hr::kLastSize, f.size);
    store.write(settings::hr::kLastWidth, f.width);
    store.write(settings::hr::kLastColour, itemOf(cmbColor_, f.colour));
    store.write(settings::hr::kLastAlign, itemOf(cmbAlign_, f.align));
    store.write(settings::hr::kShade, f.shade);
    store.close();
    accept();
}

}  // namespace dialogs
