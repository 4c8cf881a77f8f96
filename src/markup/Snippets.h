// Fixed pieces of markup and the rules that put them into the document: cased
// snippets at the selection, block templates as whole lines above the caret's
// line, lines of another file below it, and the update stamp. The "caret's
// line" is the line of the selection's start.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "Text.h"
#include "TextEditor.h"

namespace markup {

// Snippet literals as written; the whole literal is converted to the author's
// tag case when inserted, attribute values included.
namespace snippet {
inline constexpr const char* kHidden = "<input type=\"hidden\" name=\"\" value=\"\">";
inline constexpr const char* kTextField = "<input name=\"\" size=\"\">";
inline constexpr const char* kTextArea = "<textarea name=\"\" cols=\"40\" rows=\"5\" wrap=\"virtual\"></textarea>";
inline constexpr const char* kRadio = "<input type=\"radio\" name=\"\" value=\"\" checked>";
inline constexpr const char* kCheckBox = "<input type=\"checkbox\" name=\"\" value=\"\" checked>";
inline constexpr const char* kSubmit = "<INPUT TYPE=\"submit\" VALUE=\"Submit\">";
inline constexpr const char* kReset = "<INPUT TYPE=\"reset\" VALUE=\"Clear\">";
inline constexpr const char* kBody = "<body background=\"\" bgcolor=\"\" text=\"\" link=\"\" vlink=\"\" alink=\"\">";
inline constexpr const char* kBreak = "<br>";
// The applet block begins with a line break, so that it splits the line at
// the selection, and ends with one.
inline constexpr const char* kApplet =
    "\r\n<applet codebase=\"\" code=\".class\">\r\n<param name=\"\" value=\"\">\r\n<param name=\"\" value=\"\">\r\n"
    "</applet>\r\n";
inline constexpr const char* kForm = "<form method=\"\" action=\"\">\r\n\r\n</form>\r\n";
// The list box: five snippets inserted one after another, each ending with a
// space and a line break.
inline constexpr std::array<const char*, 5> kListBox = {
    "<SELECT NAME=\"\"> \r\n", "  <OPTION VALUE=\"\" SELECTED> \r\n", "  <OPTION VALUE=\"\"> \r\n",
    "  <OPTION VALUE=\"\"> \r\n", "</SELECT> \r\n"};
}  // namespace snippet

// Replaces the selection with the literal in the author's tag case
// (lowerCase: TagCase). Recolouring is the caller's.
void InsertCasedSnippet(TextEditor& editor, std::string_view literal, bool lowerCase);

// Inserts `block` and a line break at the start of the caret's line K, so the
// block stands as whole lines above the old line K and the caret at that
// line's start. Returns the number of lines the block took (the caret's line
// afterwards minus K).
int insertBlockAboveCaret(TextEditor& editor, std::string_view block);

// Inserts the lines of `fileText` (split at CR LF, LF or CR; a final line
// break ends the last line rather than adding an empty one) as new lines
// directly below the caret's line, in one edit. The selection stays on the
// same text. Returns false, changing nothing, when there are no lines.
bool insertLinesBelowCaret(TextEditor& editor, std::string_view fileText);

// The date text of the update stamp for a time-format number: 1 long date,
// 2 long date and 24-hour "hh:mm", 3 short date, 4 short date and short time,
// 5 abbreviated month, two-digit day and year ("Jan-05-98"), 6 as 5 with the
// short time; any other number gives an empty text.
QString stampDate(int format, const QDateTime& when, const QLocale& locale);
// The stamp: "<!-- " pre " " date " " trailer " -->", or without the comment
// markers when it is shown as text.
QString updateStamp(const QString& preCustom, const QString& date, const QString& trailer, bool shownAsText);

}  // namespace markup
