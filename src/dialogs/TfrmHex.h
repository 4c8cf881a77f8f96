// TfrmHex, the "Color Finder": a colour mixed on three bars, shown as a code of
// six hexadecimal digits in the author's tag case, to insert into the document
// ("&Insert") or put on the clipboard ("&Copy"). A code typed into the field
// is read into the bars with Return. The finder reopens where it was left,
// with the colour it last showed.
#pragma once

#include <QPoint>

#include "ColourMixer.h"
#include "TagDialog.h"
#include "interaction/WindowPlace.h"

namespace dialogs {

class ColourBars;

class TfrmHex : public TagDialog {
    Q_OBJECT
public:
    // `defaultPlace`: where the finder appears when it has no place of its own
    // (the main window's centre).
    TfrmHex(bool lowerCase, QPoint defaultPlace, QWidget* parent = nullptr);

    // Starts on a colour instead of the last one.
    void startOn(Rgb colour);
    Rgb positions() const;
    // The code as the field shows it; what Insert inserts.
    QString code() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every close, however it comes, stores the place and the colour.
    void done(int result) override;

private:
    void FormCreate(QPoint defaultPlace);
    void barsChanged(Rgb positions);
    void txtColorReturn();
    void btnInsertClick();
    void btnCopyClick();
    // Whether the field holds a code; when not, says so and keeps the finder open.
    bool holdsCode();

    QLabel* pnlColor_;
    QLineEdit* txtColor_;
    ColourBars* bars_;
    bool lowerCase_;
    interaction::RestoredPlace place_;
};

}  // namespace dialogs
