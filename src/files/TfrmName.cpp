#include "TfrmName.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "interaction/WindowPlace.h"

namespace files {

TfrmName::TfrmName(const QString& name, const QPoint& place, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      txtName_(new QLineEdit(name, this)),
      btnOk_(new QPushButton(QStringLiteral("OK"), this)),
      btnCancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      place_(place)
{
    setObjectName(QStringLiteral("frmName"));
    setWindowTitle(QStringLiteral("Name"));
    txtName_->setObjectName(QStringLiteral("txtName"));
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* label = new QLabel(QStringLiteral("Name:"), this);
    label->setBuddy(txtName_);
    txtName_->setMinimumWidth(200);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancel_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(txtName_);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    txtName_->selectAll();
    txtName_->setFocus();
}

QString TfrmName::nameResult() const
{
    return result() == QDialog::Accepted ? txtName_->text() : QString();
}

QPoint TfrmName::placeBeside(const QWidget& body, const QWidget& filebox)
{
    return {body.mapToGlobal(QPoint(0, 0)).x() + 2, filebox.mapToGlobal(QPoint(0, 0)).y() - 2};
}

void TfrmName::showEvent(QShowEvent* event)
{
    // Wholly on a screen, however far down the list is.
    interaction::placeFrame(*this, place_, size().expandedTo(sizeHint()));
    QDialog::showEvent(event);
}

}  // namespace files
