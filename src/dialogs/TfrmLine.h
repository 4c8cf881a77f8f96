// TfrmLine, the "Line" dialog: a horizontal rule from size, width, alignment,
// colour and shading. The choices confirmed with OK are offered again at the
// next opening.
#pragma once

#include "LineComposition.h"
#include "TagDialog.h"

class QCheckBox;

namespace dialogs {

class TfrmLine : public TagDialog {
    Q_OBJECT
public:
    explicit TfrmLine(bool lowerCase, QWidget* parent = nullptr);

    LineFields fields() const;
    const QString& element() const { return element_; }

private:
    void FormCreate();
    void btnOKClick() override;

    QLineEdit* txtlSize_;
    QLineEdit* txtlWidth_;
    QComboBox* cmbAlign_;
    QComboBox* cmbColor_;
    QCheckBox* chkShade_;
    bool lowerCase_;
    QString element_;
};

}  // namespace dialogs
