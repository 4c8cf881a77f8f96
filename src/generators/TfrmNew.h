// TfrmNew, "New HTML Document": the template of a new document (blank, the
// default page, a frameset or a file of the author's), its background image,
// its document type declaration and the five colours of the default page,
// mixed on a palette and three bars and shown on a preview of a page. OK
// stores every choice; Cancel (or Esc) stores only "blank"; the window's close
// box stores nothing. The colour rules live in ColourScheme.
#pragma once

#include "ColourScheme.h"
#include "NewDocument.h"
#include "dialogs/TagDialog.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace dialogs {
class ColorGrid;
class ColourBars;
}  // namespace dialogs

namespace generators {

class TfrmNew : public dialogs::TagDialog {
    Q_OBJECT
public:
    explicit TfrmNew(QWidget* parent = nullptr);

    const ColourScheme& scheme() const { return scheme_; }
    // The fields as OK stores them.
    NewDialogFields fields() const;

    void reject() override;

protected:
    void btnOKClick() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TfrmNew(const NewDialogFields& stored, QWidget* parent);
    void FormCreate(const NewDialogFields& fields);
    void btnRestoreClick();
    void btnCustomClick();
    void chooseTemplate(int templateNo);
    // Shows the scheme: the selected part, the bars and every sample's colour.
    void showScheme();

    ColourScheme scheme_;
    QComboBox* cmbPart_;
    dialogs::ColorGrid* ColorBar_;
    dialogs::ColourBars* bars_;
    QFrame* bgcolor_;
    QLabel* samples_[kParts] = {};  // 1 to 4: text, link, vlink, alink
    QRadioButton* radios_[kTemplates] = {};
    QLineEdit *txtCustom_, *txtBgImage_, *txtDocType_;
    bool showing_ = false;
    bool closing_ = false;
};

}  // namespace generators
