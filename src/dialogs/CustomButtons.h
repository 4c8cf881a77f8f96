// The ten custom buttons: a start tag, a closing tag and a caption each,
// stored in the settings section `custom`; the hint a button shows, the
// insertion of a pair around the selection. A right click on a button opens
// its editor, TfrmCustom.
#pragma once

#include <QString>

#include "markup/TagEngine.h"

namespace settings {
class SettingsStore;
}

namespace dialogs {

inline constexpr int kCustomCaptionLimit = 10;
inline constexpr int kCustomTagLimit = 255;

// One custom button as stored; the defaults of entry n are "<Custom n>",
// "</Custom n>" and "Custom &n" ("Custom 1&0" for the tenth).
struct CustomButton {
    QString caption, start, stop;
    bool operator==(const CustomButton&) const = default;
};
CustomButton readCustomButton(const settings::SettingsStore& store, int n);
void writeCustomButton(settings::SettingsStore& store, int n, const CustomButton& button);

// The caption button n carries before anything is loaded: "Custom #n".
QString designCaption(int n);
// The hint of button n once `button` is loaded: start tag + " .. " + closing
// tag, unless the caption is exactly the design caption, which keeps
// `currentHint` as it was.
QString customHint(int n, const CustomButton& button, const QString& currentHint);

// Puts a custom pair into the editor. Unlike a tag pair it takes no tag case
// and ignores SuppressTagPair; while EndTagOnly is set it writes the start tag
// alone (the closing tags have commands of their own) and clears the flag.
// Nothing selected: the start tag alone. Otherwise start + selection + stop,
// with KeepSelected selecting the wrapped text again.
void InsertCustomPair(markup::TextEditor& editor, markup::TagContext& context, const CustomButton& button);

}  // namespace dialogs
