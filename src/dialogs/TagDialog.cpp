#include "TagDialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"

namespace dialogs {

TagDialog::TagDialog(const QString& caption, const char* objectName, QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    // A small window: a caption and a close box, nothing to maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void TagDialog::addOkCancel(QBoxLayout* row, const char* okName, const char* cancelName)
{
    btnOK_ = named(new QPushButton(tr("OK"), this), okName);
    btnCancel_ = named(new QPushButton(tr("Cancel"), this), cancelName);
    row->addWidget(btnOK_);
    row->addWidget(btnCancel_);
    // Made default once it belongs to the dialog, so that the dialog returns
    // to it whenever another button loses the focus.
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TagDialog::layOutRows(std::initializer_list<Row> rows, const char* okName, const char* cancelName)
{
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const bool beside = std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.beside != nullptr; });
    int line = 0;
    for (const Row& r : rows) {
        if (!r.label.isEmpty()) grid->addWidget(labelFor(r.label, r.field, this), line, 0);
        grid->addWidget(r.field, line, 1);
        if (r.beside) grid->addWidget(r.beside, line, 2);
        ++line;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(buttons, okName, cancelName);
    grid->addLayout(buttons, line, 0, 1, beside ? 3 : 2);
}

void TagDialog::refuse(const QString& warning)
{
    const QPointer<QWidget> had = focusWidget();
    interaction::ui().warn(warning);
    if (had) had->setFocus(Qt::OtherFocusReason);
}

void TagDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (!centred_) return;
    interaction::centreOnScreen(*this, parentWidget());
}

QLineEdit* textField(const char* name, const QString& hint, QWidget* parent, const QString& text)
{
    auto* field = named(new QLineEdit(text, parent), name, hint);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 32);
    return field;
}

QComboBox* editableDropDown(const char* name, const QString& hint, const QStringList& items, QWidget* parent)
{
    auto* box = named(new QComboBox(parent), name, hint);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would take Return for itself whenever the text is
    // selected (as it is after Tab), and OK would not be pressed.
    box->setCompleter(nullptr);
    box->addItems(items);
    return box;
}

QLabel* labelFor(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

}  // namespace dialogs
