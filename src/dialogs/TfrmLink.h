// TfrmLink, the "Anchor" dialog: an address, a description (the selection of
// the document when there is one) and a target frame make one anchor element.
#pragma once

#include "LinkComposition.h"
#include "TagDialog.h"

namespace dialogs {

class TfrmLink : public TagDialog {
    Q_OBJECT
public:
    TfrmLink(const QString& selected, bool lowerCase, QWidget* parent = nullptr);

    LinkFields fields() const;
    // The element composed by OK.
    const QString& element() const { return element_; }

private:
    void btnOKClick() override;

    QLineEdit* txtAddr_;
    QLineEdit* txtDesc_;
    QLineEdit* txtTarget_;
    bool lowerCase_;
    QString element_;
};

}  // namespace dialogs
