// TfrmImage, the "Image" dialog: an image tag from the image's name and its
// optional attributes, optionally inside an anchor, with either of the two
// kinds of image map.
#pragma once

#include "ImageComposition.h"
#include "TagDialog.h"

class QCheckBox;

namespace dialogs {

class TfrmImage : public TagDialog {
    Q_OBJECT
public:
    explicit TfrmImage(bool lowerCase, QWidget* parent = nullptr);

    ImageFields fields() const;
    const QString& element() const { return element_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnOKClick() override;

    QLineEdit* txtImage_;
    QCheckBox* chkLink_;
    QLineEdit* txtLink_;
    QComboBox* cmbBorder_;
    QLineEdit* txtWidth_;
    QLineEdit* txtHeight_;
    QComboBox* cmbAlign_;
    QLineEdit* txtAlt_;
    QCheckBox* chkISMAP_;
    QCheckBox* chkUSEMAP_;
    QLineEdit* txtUSEMAP_;
    bool lowerCase_;
    QString element_;
};

}  // namespace dialogs
