// The Find and Replace dialogs: fields on the left, buttons on the right.
#include "FindDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "interaction/Interaction.h"

namespace dialogs {
namespace {

QLineEdit* addField(QGridLayout* grid, int row, const QString& caption, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(FindDialog::kMaxTextLength);
    field->setMinimumWidth(220);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

QPushButton* addButton(QVBoxLayout* column, const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    column->addWidget(button);
    return button;
}

}  // namespace

FindDialog::FindDialog(bool withReplace, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(withReplace ? tr("Replace") : tr("Find"));
    setModal(false);

    auto* grid = new QGridLayout;
    txtFindWhat_ = addField(grid, 0, tr("Fi&nd what:"), QStringLiteral("txtFindWhat"), this);
    if (withReplace) txtReplaceWith_ = addField(grid, 1, tr("Re&place with:"), QStringLiteral("txtReplaceWith"), this);
    grid->setRowStretch(2, 1);

    auto* buttons = new QVBoxLayout;
    btnFindNext_ = addButton(buttons, tr("&Find Next"), QStringLiteral("btnFindNext"), this);
    btnFindNext_->setDefault(true);
    if (withReplace) {
        btnReplace_ = addButton(buttons, tr("&Replace"), QStringLiteral("btnReplace"), this);
        btnReplaceAll_ = addButton(buttons, tr("Replace &All"), QStringLiteral("btnReplaceAll"), this);
    }
    QPushButton* cancel = addButton(buttons, tr("Cancel"), QStringLiteral("btnCancel"), this);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    // Tab goes through the fields first, then the buttons.
    QWidget* order[] = {txtFindWhat_, txtReplaceWith_, btnFindNext_, btnReplace_, btnReplaceAll_, cancel};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (!w) continue;
        if (previous) setTabOrder(previous, w);
        previous = w;
    }

    connect(btnFindNext_, &QPushButton::clicked, this, &FindDialog::findNextClicked);
    if (withReplace) {
        connect(btnReplace_, &QPushButton::clicked, this, &FindDialog::replaceClicked);
        connect(btnReplaceAll_, &QPushButton::clicked, this, &FindDialog::replaceAllClicked);
    }
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtFindWhat_, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
    updateButtons();
    adjustSize();
    setFixedSize(sizeHint());
    interaction::prepareDialog(*this);  // modeless: the port never runs it
}

QString FindDialog::findText() const
{
    return txtFindWhat_->text();
}

void FindDialog::setFindText(const QString& text)
{
    txtFindWhat_->setText(text);
}

void FindDialog::present()
{
    show();
    raise();
    activateWindow();
    txtFindWhat_->setFocus(Qt::OtherFocusReason);
    txtFindWhat_->selectAll();
}

// As in the desktop's dialogs, nothing can be searched for before there is a
// text to search for.
void FindDialog::updateButtons()
{
    const bool any = !txtFindWhat_->text().isEmpty();
    btnFindNext_->setEnabled(any);
    if (btnReplace_) btnReplace_->setEnabled(any);
    if (btnReplaceAll_) btnReplaceAll_->setEnabled(any);
}

QString ReplaceDialog::replaceText() const
{
    return replaceField()->text();
}

void ReplaceDialog::setReplaceText(const QString& text)
{
    replaceField()->setText(text);
}

}  // namespace dialogs
