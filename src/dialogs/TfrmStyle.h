// TfrmStyle, the "Style Sheet" dialog: a style sheet's file name, typed or
// chosen with "...", makes one link element. Only the file's name is taken
// from a chosen path, so the link is relative to the document's folder.
#pragma once

#include "TagDialog.h"

namespace dialogs {

class TfrmStyle : public TagDialog {
    Q_OBJECT
public:
    // `folder`: where "..." starts browsing (the document's folder, or empty).
    TfrmStyle(const QString& folder, bool lowerCase, QWidget* parent = nullptr);

    const QString& element() const { return element_; }

private:
    void btnOKClick() override;
    void btnBrowseClick();

    QLineEdit* txtStyle_;
    QPushButton* btnBrowse_;
    QString folder_;
    bool lowerCase_;
    QString element_;
};

}  // namespace dialogs
