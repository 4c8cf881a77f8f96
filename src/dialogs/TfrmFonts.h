// TfrmFonts, the "Font" dialog: a font start tag from a size, a colour and a
// face. The colour is a cell of the sixteen-colour grid or the custom colour
// of the mixer that folds out to the right ("Custom Font Color"); both
// previews show it on the page's own background. The choices confirmed with
// OK are offered again at the next opening.
#pragma once

#include <string_view>

#include "FontComposition.h"
#include "TagDialog.h"

class QCheckBox;
class QGroupBox;
class QStackedWidget;

namespace dialogs {

class ColorGrid;
class ColourBars;

class TfrmFonts : public TagDialog {
    Q_OBJECT
public:
    // `document`: the text searched for the page's background colour.
    TfrmFonts(std::string_view document, bool lowerCase, QWidget* parent = nullptr);

    FontFields fields() const;
    // The tag composed by OK; empty when nothing was chosen.
    const FontTag& tag() const { return tag_; }
    bool foldedOut() const { return foldedOut_; }
    // The designed widths: folded in, and what folding out adds (the dialog
    // moves left by half of it, so that it grows about its centre).
    static constexpr int kFoldedInWidth = 333;
    static constexpr int kFoldedOutWidth = 539;

private:
    void FormCreate(std::string_view document);
    void btnOKClick() override;
    void chkColorClick();
    void FontClrClick(int index);
    void barsChanged();
    void recomputeCustomColour();
    void btnCustomClick();
    void btnApplyClick();
    void fold(bool out, bool move);
    void setSampleColour(QColor colour);

    QComboBox* cmbSize_;
    QLineEdit* txtFontFace_;
    QCheckBox* chkColor_;
    QStackedWidget* colourStack_;
    ColorGrid* FontClr_;
    QLabel* pnlPreview_;
    QLabel* pnlNone_;
    QPushButton* btnCustom_;
    QGroupBox* grpCustom_;
    QLabel* pnlCustomPreview_;
    ColourBars* bars_;
    QPushButton* btnApply_;
    bool lowerCase_;
    bool foldedOut_ = false;
    QSize in_{kFoldedInWidth, 0};
    QSize out_{kFoldedOutWidth, 0};
    FontTag tag_;
};

}  // namespace dialogs
