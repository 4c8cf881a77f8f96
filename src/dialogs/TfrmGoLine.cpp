// The Go to Line dialog and the check of its number.
#include "TfrmGoLine.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "interaction/Interaction.h"
#include "interaction/WindowPlace.h"
#include "markup/FindReplace.h"

namespace dialogs {

GoLineCheck checkGoLine(const QString& text, int lineCount)
{
    GoLineCheck check;
    if (text.isEmpty()) return check;
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        check.verdict = GoLineCheck::Verdict::NotAnInteger;
        check.message = QStringLiteral("'%1' is not a valid integer value").arg(text);
        return check;
    }
    // The last line cannot be gone to: the caret goes to the end of line n,
    // which is the start of the line after it.
    if (n < 1 || n > lineCount - 1) {
        check.verdict = GoLineCheck::Verdict::OutOfRange;
        check.message = QStringLiteral("Line number out of range.");
        return check;
    }
    check.verdict = GoLineCheck::Verdict::Go;
    check.line = n;
    return check;
}

TfrmGoLine::TfrmGoLine(markup::TextEditor& body, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      body_(body),
      txtGoLine_(new QLineEdit(this)),
      Button1_(new QPushButton(tr("&Go"), this)),
      Button2_(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Go to Line"));
    txtGoLine_->setObjectName(QStringLiteral("txtGoLine"));
    txtGoLine_->setAccessibleName(tr("Line number"));
    Button1_->setObjectName(QStringLiteral("Button1"));
    Button2_->setObjectName(QStringLiteral("Button2"));
    Button1_->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(txtGoLine_, 1);
    layout->addWidget(Button1_);
    layout->addWidget(Button2_);

    connect(Button1_, &QPushButton::clicked, this, &TfrmGoLine::Button1Click);
    connect(Button2_, &QPushButton::clicked, this, &QDialog::reject);  // Button2Click: close, caret stays
    txtGoLine_->setFocus(Qt::OtherFocusReason);

    adjustSize();
    interaction::centreOnScreen(*this, parent);
}

void TfrmGoLine::Button1Click()
{
    const GoLineCheck check = checkGoLine(txtGoLine_->text(), markup::goToLineCount(body_));
    switch (check.verdict) {
        case GoLineCheck::Verdict::Nothing:
            return;
        case GoLineCheck::Verdict::NotAnInteger:
            interaction::ui().error(check.message);
            return;
        case GoLineCheck::Verdict::OutOfRange:
            interaction::ui().inform(check.message);
            return;
        case GoLineCheck::Verdict::Go:
            body_.setSelection(markup::endOfLine(body_, check.line), 0);
            accept();
            return;
    }
}

}  // namespace dialogs
