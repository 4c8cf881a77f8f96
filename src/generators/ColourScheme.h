// The colour scheme of the new-document dialog, free of widgets: the codes of
// the five parts of a page (background, text, link, visited link, active link),
// the part the bars and the palette act on, and the three bar positions. The
// dialog only shows this model and passes it what the author does.
//
// The bars are the working copy of the selected part's colour: whenever a bar
// moves, the selected part takes the colour of all three; setting the bars to
// where they are changes nothing. Choosing a part in the list moves no bar, so
// the next bar moved gives that part the other two components of the colour
// the bars had.
#pragma once

#include <QString>
#include <array>

#include "dialogs/ColourMixer.h"
#include "settings/SettingsTable.h"

namespace generators {

inline constexpr int kParts = 5;
enum Part { Background, Text, Link, VisitedLink, ActiveLink };

// Where each part's code is stored (section document), with its default code.
const settings::TextSetting& partSetting(int part);

class ColourScheme {
public:
    using Codes = std::array<QString, kParts>;

    // The first state, from the stored codes (one that is not six hexadecimal
    // digits takes the part's default): every part put through the bars, the
    // last part first, so that each code ends in upper case and part 0 is
    // selected with the bars on its colour.
    explicit ColourScheme(const Codes& stored);

    const Codes& codes() const { return codes_; }
    int selectedPart() const { return selected_; }
    dialogs::Rgb bars() const { return bars_; }

    // The part chosen in the list: only the selection changes.
    void selectPart(int part);
    // The bars moved, by the author or by a choice below.
    void moveBars(dialogs::Rgb positions);
    // A click on a part's sample (the panel for the background): the part is
    // selected and the bars show its colour.
    void pickPart(int part);
    // A palette square: the bars take its colour.
    void pickPalette(int index);
    // Every part back to its default, the background selected, the bars on it.
    void restoreDefaults();

private:
    Codes codes_;
    int selected_ = 0;
    dialogs::Rgb bars_;
};

}  // namespace generators
