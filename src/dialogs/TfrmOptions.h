// TfrmOptions: the Options dialog ("Quillon Pro Options"). Eight pages edit the
// general options, the user information, the update stamp, the three quick
// snippets, the preview browser and the user tools. The fields are filled from
// the settings store when the dialog is made and written back only on OK.
#pragma once

#include <QDialog>
#include <map>

#include "OptionsForm.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTime;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace dialogs {

class ColorGrid;
class MultiLineField;

class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    // Builds the pages and runs FormCreate.
    explicit TfrmOptions(QWidget* parent = nullptr);

    // The fields as they stand, and filling them.
    OptionsForm form() const;
    void setForm(const OptionsForm& form);

    QTabWidget* pages() const { return pages_; }

    // The caption of the time-format button `format` (1..6) at `when`.
    static QString timeCaption(int format, const QDateTime& when);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void btnOKClick();
    void browseProgram(QLineEdit* field);
    void updateBrowserFields();
    void SyntaxClrBarClick();
    void pageChanged(int index);

    QWidget* buildGeneralPage();
    QWidget* buildUserPage();
    QWidget* buildStampPage();
    QWidget* buildQuickPage(const QString& label, const char* name);
    QWidget* buildToolsPage();
    QWidget* buildKeysPage();
    // Warns under the tag-colour grid when the colour is unreadable on the
    // paper of the theme chosen.
    void updateContrastWarning();
    void addPage(QWidget* page, const QString& caption, QWidget* firstField);

    QTabWidget* pages_ = nullptr;
    // General Options
    QLineEdit* txtSideMask_ = nullptr;
    QComboBox* cmbBgSide_ = nullptr;
    QCheckBox* chkCase_ = nullptr;
    QCheckBox* chkFullCellTag_ = nullptr;
    QCheckBox* chkKeepSel_ = nullptr;
    QCheckBox* chkCloseTags_ = nullptr;
    QLineEdit* txtPreImage_ = nullptr;
    ColorGrid* SyntaxClrBar_ = nullptr;
    QLabel* lblSyntax_ = nullptr;
    QLabel* lblContrast_ = nullptr;
    // User Info
    QLineEdit* txtName_ = nullptr;
    MultiLineField* txtAddress_ = nullptr;
    QLineEdit* txtPhone_ = nullptr;
    QLineEdit* txtFax_ = nullptr;
    QLineEdit* txtMailAddr_ = nullptr;
    QLineEdit* txtURL_ = nullptr;
    // Update Stamp
    QCheckBox* chkUpdate_ = nullptr;
    QLineEdit* txtPreCustomStr_ = nullptr;
    QLineEdit* txtCustomStr_ = nullptr;
    QButtonGroup* timeFormats_ = nullptr;
    // Quick snippets
    MultiLineField* txtQuickTable_ = nullptr;
    MultiLineField* txtQuickStyle_ = nullptr;
    MultiLineField* txtQuickScript_ = nullptr;
    // Tools
    QRadioButton* optMicrosoft_ = nullptr;
    QRadioButton* optNetscape_ = nullptr;
    QLineEdit* txtBrowser_ = nullptr;
    QPushButton* btnBrowseBrowser_ = nullptr;
    QLineEdit* txtUserTool_[3] = {};
    QLineEdit* txtUserName_[3] = {};
    // Keys and Colours
    QComboBox* cmbKeySet_ = nullptr;
    QComboBox* cmbTheme_ = nullptr;
    QCheckBox* chkLiveColour_ = nullptr;
    // Dialog
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;

    // Values read that no control can show (kept so that OK does not lose them).
    int storedSyntaxColour_ = 4;
    int storedTimeFormat_ = 5;
    // The field that takes the focus when each page is shown.
    std::map<QWidget*, QWidget*> firstField_;
    bool centred_ = false;
};

}  // namespace dialogs
