// New documents and Quick Page: what the new-document dialog reads and stores,
// the text of the template the options choose, and the two operations that
// write into the editor, GenerateNewDocument and WriteQuickPage.
#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <string>

#include "ColourScheme.h"

class QWidget;

namespace markup {
class TextEditor;
}
namespace settings {
class SettingsStore;
struct Options;
}  // namespace settings

namespace generators {

// The templates as the dialog's radios and the stored `template` number list
// them; `user/lasttemplate` stores the number plus one.
enum Template { Blank, Normal, Frames, Custom };
inline constexpr int kTemplates = 4;

// The fields of the new-document dialog as it opens and as OK stores them.
struct NewDialogFields {
    ColourScheme::Codes colours;  // as stored; the scheme mends and folds them
    QString bgImage, dtd, customFile;
    int templateNo = Normal;
};

// The dialog's first state: the stored choices, the default declaration when
// none (or an empty one) is stored, the custom template myfile.html in the home
// folder, and the template of the last OK (Normal for any other number).
NewDialogFields readNewDialogFields(const settings::SettingsStore& store);
// OK stores every field (the declaration also when empty), the template and,
// for the next opening, the last template.
void storeConfirmed(settings::SettingsStore& store, const NewDialogFields& fields);
// Cancel stores template 0 (a blank document) and nothing else.
void storeCancelled(settings::SettingsStore& store);

// The five stored codes as a new page writes them: each in the tag case, a
// code that is not six hexadecimal digits replaced by the part's default.
ColourScheme::Codes templateColours(const settings::SettingsStore& store, bool lowerCase);

// The text of the template the options choose (`options.templateNo`): the
// default page, the frameset page, the custom template file as it is, or
// nothing (Blank and any other number). A custom template that cannot be read
// gives nothing and sets *customMissing.
std::string newDocumentText(const settings::Options& options, const settings::SettingsStore& store,
                            bool* customMissing);

// What New runs on the emptied document: the dialog (whatever closes it,
// generation goes on), the options read again by `reloadOptions`, then the
// chosen template as one edit with the caret at 0. A custom template that
// cannot be read is reported and the document stays empty.
void GenerateNewDocument(markup::TextEditor& body, QWidget* dialogParent,
                         const std::function<const settings::Options&()>& reloadOptions);

// Quick Page into the empty editor, as one edit with the caret at 0; the
// footer's date is `today` in the user's long date format.
void WriteQuickPage(markup::TextEditor& body, const settings::Options& options, QDate today);

}  // namespace generators
