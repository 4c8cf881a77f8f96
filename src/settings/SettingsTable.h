// Every setting of the editor, declared once: its section, its ident and its
// default. Readers and writers name a setting from this table
// (`store.read(settings::window::kWordWrap)`); no other file writes a
// setting's name or default. Sections are namespaces named after the section.
//
// Every value is stored as a string: numbers in decimal, flags as "1" or "0",
// colours as RRGGBB. Where the default depends on the moment (the home folder,
// the main window's place), the table's default is a placeholder and the
// reader passes the real one: `store.read(setting, computedDefault)`.
#pragma once

#include <QString>

#include "settings/QuickSnippets.h"

namespace settings {

template <typename T>
struct Setting {
    QString section;
    QString ident;
    T def;
};
using TextSetting = Setting<QString>;
using NumberSetting = Setting<int>;
using FlagSetting = Setting<bool>;

namespace user {
// The author, for Quick Page.
inline const TextSetting kName{QStringLiteral("user"), QStringLiteral("name"), QStringLiteral("Quillon User")};
inline const TextSetting kMail{QStringLiteral("user"), QStringLiteral("mail"), QStringLiteral("author@example.com")};
inline const TextSetting kPhone{QStringLiteral("user"), QStringLiteral("phone"), QStringLiteral("555-1212")};
inline const TextSetting kFax{QStringLiteral("user"), QStringLiteral("fax"), QStringLiteral("555-1313")};
inline const TextSetting kAddress{QStringLiteral("user"), QStringLiteral("address"),
                                  QStringLiteral("1 Main Street\r\nSpringfield, Country")};
inline const TextSetting kUrl{QStringLiteral("user"), QStringLiteral("url"), QStringLiteral("http://www.example.com/")};
// Tag insertion and highlighting.
inline const NumberSetting kSyntaxColour{QStringLiteral("user"), QStringLiteral("syntaxclr"), 4};  // navy
inline const FlagSetting kColorize{QStringLiteral("user"), QStringLiteral("colorize"), false};
inline const FlagSetting kLowerCase{QStringLiteral("user"), QStringLiteral("case"), true};
inline const FlagSetting kKeepSelected{QStringLiteral("user"), QStringLiteral("keepselected"), true};
inline const FlagSetting kFullCellTag{QStringLiteral("user"), QStringLiteral("fullcelltag"), true};
// Typing "</" writes the end tag of the element still open.
inline const FlagSetting kCloseTags{QStringLiteral("user"), QStringLiteral("closetags"), true};
// The update stamp. The trailer's default as the editor inserts it, and as the
// Options dialog first shows it.
inline const FlagSetting kShowUpdate{QStringLiteral("user"), QStringLiteral("showupdate"), false};
inline const TextSetting kPreCustom{QStringLiteral("user"), QStringLiteral("precustom"),
                                    QStringLiteral("This page was last updated on")};
inline const TextSetting kCustom{QStringLiteral("user"), QStringLiteral("custom"),
                                 QStringLiteral("using <a href=\"http://www.quillon.example/\">Quillon Pro</a>.")};
inline const TextSetting kCustomInDialog{QStringLiteral("user"), QStringLiteral("custom"),
                                         QStringLiteral("using <a href=\"http://www.quillon.example/\">Quillon</a>.")};
inline const NumberSetting kTimeFormat{QStringLiteral("user"), QStringLiteral("timeformat"), 5};
// Preview and the three user tools.
inline const TextSetting kBrowser{QStringLiteral("user"), QStringLiteral("browser"), QStringLiteral("netscape")};
inline const TextSetting kNsPath{QStringLiteral("user"), QStringLiteral("nspath"), QStringLiteral("xdg-open")};
// The stored browser choice: "microsoft", in any letter case, is the
// Chromium-family browser the editor drives; any other value ("netscape") is
// the program under kNsPath.
inline const QString kDrivenBrowser = QStringLiteral("microsoft");
inline bool choosesDrivenBrowser(const QString& stored)
{
    return stored.compare(kDrivenBrowser, Qt::CaseInsensitive) == 0;
}
inline const TextSetting kTool1Path{QStringLiteral("user"), QStringLiteral("mapedit"), QString()};
inline const TextSetting kTool1Name{QStringLiteral("user"), QStringLiteral("mapname"), QString()};
inline const TextSetting kTool2Path{QStringLiteral("user"), QStringLiteral("deftool1"), QString()};
inline const TextSetting kTool2Name{QStringLiteral("user"), QStringLiteral("defname1"), QString()};
inline const TextSetting kTool3Path{QStringLiteral("user"), QStringLiteral("deftool2"), QString()};
inline const TextSetting kTool3Name{QStringLiteral("user"), QStringLiteral("defname2"), QString()};
// The side panel: the file filter as the editor applies it and as the Options
// dialog first shows it; the lists' colour; the image prefix of drops.
inline const TextSetting kSideMask{QStringLiteral("user"), QStringLiteral("sidemask"),
                                   QStringLiteral("*.htm;*.shtml;*.txt;*.map;*.gif;*.jpg;*.jpeg")};
inline const TextSetting kSideMaskInDialog{QStringLiteral("user"), QStringLiteral("sidemask"),
                                           QStringLiteral("*.htm;*.shtm;*.txt;*.map;*.gif;*.jpg;*.jpeg")};
inline const NumberSetting kSideColour{QStringLiteral("user"), QStringLiteral("sidecolor"), 1};
inline const TextSetting kPreImage{QStringLiteral("user"), QStringLiteral("preimage"), QString()};
// The side panel's folder (default: the home folder, passed by the reader) and
// the position of its volume.
inline const TextSetting kDir{QStringLiteral("user"), QStringLiteral("dir"), QString()};
inline const NumberSetting kDrive{QStringLiteral("user"), QStringLiteral("drive"), 1};
// The folder of the last file opened with File Open.
inline const TextSetting kLastDir{QStringLiteral("user"), QStringLiteral("lastdir"), QString()};
inline const NumberSetting kLastTemplate{QStringLiteral("user"), QStringLiteral("lasttemplate"), 2};
// The editor's look and keys: the key set (0 Classic, 1 Desktop), the colour
// theme (0 classic light, 1 dark, 2 follow the desktop) and the lexer's
// colours as one types instead of the one tag colour.
inline const NumberSetting kKeySet{QStringLiteral("user"), QStringLiteral("keyset"), 0};
inline const NumberSetting kTheme{QStringLiteral("user"), QStringLiteral("theme"), 0};
inline const FlagSetting kLiveColour{QStringLiteral("user"), QStringLiteral("livecolour"), false};
}  // namespace user

namespace window {
inline const NumberSetting kTop{QStringLiteral("window"), QStringLiteral("top"), 1};
inline const NumberSetting kLeft{QStringLiteral("window"), QStringLiteral("left"), 1};
inline const NumberSetting kWidth{QStringLiteral("window"), QStringLiteral("width"), 639};
inline const NumberSetting kHeight{QStringLiteral("window"), QStringLiteral("height"), 479};
inline const FlagSetting kMaximised{QStringLiteral("window"), QStringLiteral("maxed"), false};
inline const FlagSetting kToolbar{QStringLiteral("window"), QStringLiteral("toolbar"), true};
inline const FlagSetting kFormatBar{QStringLiteral("window"), QStringLiteral("formatbar"), true};
inline const FlagSetting kCustomBar{QStringLiteral("window"), QStringLiteral("custombar"), false};
inline const FlagSetting kSideView{QStringLiteral("window"), QStringLiteral("sideview"), true};
inline const FlagSetting kStatusBar{QStringLiteral("window"), QStringLiteral("statusbar"), true};
inline const NumberSetting kSplitterPos{QStringLiteral("window"), QStringLiteral("splitterpos"), 120};
inline const FlagSetting kWordWrap{QStringLiteral("window"), QStringLiteral("wordwrap"), false};
inline const FlagSetting kTagList{QStringLiteral("window"), QStringLiteral("taglist"), false};
inline const FlagSetting kLivePreview{QStringLiteral("window"), QStringLiteral("livepreview"), false};
inline const FlagSetting kLineNumbers{QStringLiteral("window"), QStringLiteral("linenumbers"), true};
// The page checker's panel, and whether it lists the notes on obsolete markup.
inline const FlagSetting kCheckPanel{QStringLiteral("window"), QStringLiteral("checkpanel"), false};
inline const FlagSetting kCheckNotes{QStringLiteral("window"), QStringLiteral("checknotes"), true};
}  // namespace window

namespace document {
// Read by the editor's options; the new-document dialog shows its own
// defaults for the declaration and the custom template (the latter is the
// file myfile.html in the home folder, passed by the reader).
inline const FlagSetting kUseDefault{QStringLiteral("document"), QStringLiteral("usedefault"), false};
inline const TextSetting kBgImage{QStringLiteral("document"), QStringLiteral("bgimage"), QString()};
inline const TextSetting kDtd{QStringLiteral("document"), QStringLiteral("dtd"), QString()};
inline const TextSetting kDtdInDialog{QStringLiteral("document"), QStringLiteral("dtd"),
                                      QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">")};
inline const NumberSetting kTemplate{QStringLiteral("document"), QStringLiteral("template"), 0};
inline const TextSetting kCustomFile{QStringLiteral("document"), QStringLiteral("customfile"), QString()};
// The five colours of new documents.
inline const TextSetting kBgColour{QStringLiteral("document"), QStringLiteral("bgcolor2"), QStringLiteral("c0c0c0")};
inline const TextSetting kTextColour{QStringLiteral("document"), QStringLiteral("textcolor2"),
                                     QStringLiteral("000000")};
inline const TextSetting kLinkColour{QStringLiteral("document"), QStringLiteral("linkcolor2"),
                                     QStringLiteral("0000ff")};
inline const TextSetting kVisitedColour{QStringLiteral("document"), QStringLiteral("vlinkcolor2"),
                                        QStringLiteral("800080")};
inline const TextSetting kActiveColour{QStringLiteral("document"), QStringLiteral("alinkcolor2"),
                                       QStringLiteral("ff0000")};
}  // namespace document

namespace fonts {
// The editor's font.
inline const TextSetting kName{QStringLiteral("fonts"), QStringLiteral("name"), QStringLiteral("Courier New")};
inline const NumberSetting kSize{QStringLiteral("fonts"), QStringLiteral("size"), 10};
inline const FlagSetting kBold{QStringLiteral("fonts"), QStringLiteral("bold"), false};
inline const FlagSetting kItalic{QStringLiteral("fonts"), QStringLiteral("italic"), false};
// The font attributes dialog.
inline const NumberSetting kLastSize{QStringLiteral("fonts"), QStringLiteral("lastsize"), 3};
inline const TextSetting kLastColour{QStringLiteral("fonts"), QStringLiteral("lastcolor"), QStringLiteral("000000")};
inline const TextSetting kLastFace{QStringLiteral("fonts"), QStringLiteral("lastface"), QString()};
inline const FlagSetting kColours{QStringLiteral("fonts"), QStringLiteral("colors"), true};
inline const NumberSetting kRedPos{QStringLiteral("fonts"), QStringLiteral("redpos"), 0};
inline const NumberSetting kGreenPos{QStringLiteral("fonts"), QStringLiteral("greenpos"), 0};
inline const NumberSetting kBluePos{QStringLiteral("fonts"), QStringLiteral("bluepos"), 0};
}  // namespace fonts

// The horizontal line dialog.
namespace hr {
inline const TextSetting kLastSize{QStringLiteral("hr"), QStringLiteral("lastsize"), QStringLiteral("2")};
inline const TextSetting kLastWidth{QStringLiteral("hr"), QStringLiteral("lastwidth"), QString()};
inline const NumberSetting kLastColour{QStringLiteral("hr"), QStringLiteral("lastcolor"), 0};
inline const NumberSetting kLastAlign{QStringLiteral("hr"), QStringLiteral("lastalign"), 0};
inline const FlagSetting kShade{QStringLiteral("hr"), QStringLiteral("shade"), true};
}  // namespace hr

// The colour finder; its place defaults to the main window's centre (passed
// by the reader).
namespace hexwin {
inline const NumberSetting kLeft{QStringLiteral("hexwin"), QStringLiteral("left"), 0};
inline const NumberSetting kTop{QStringLiteral("hexwin"), QStringLiteral("top"), 0};
inline const NumberSetting kRedPos{QStringLiteral("hexwin"), QStringLiteral("redpos"), 0};
inline const NumberSetting kGreenPos{QStringLiteral("hexwin"), QStringLiteral("greenpos"), 0};
inline const NumberSetting kBluePos{QStringLiteral("hexwin"), QStringLiteral("bluepos"), 0};
}  // namespace hexwin

// The custom tag list window; left, top and height default to places derived
// from the screen and the main window (passed by the reader).
namespace tagwindow {
inline const NumberSetting kLeft{QStringLiteral("tagwindow"), QStringLiteral("left"), 0};
inline const NumberSetting kTop{QStringLiteral("tagwindow"), QStringLiteral("top"), 0};
inline const NumberSetting kWidth{QStringLiteral("tagwindow"), QStringLiteral("width"), 120};
inline const NumberSetting kHeight{QStringLiteral("tagwindow"), QStringLiteral("height"), 0};
inline const FlagSetting kStayOnTop{QStringLiteral("tagwindow"), QStringLiteral("stayontop"), true};
}  // namespace tagwindow

// The ten custom buttons, n from 1 to 10.
namespace custom {
inline const NumberSetting kSet{QStringLiteral("custom"), QStringLiteral("set"), 0};
inline constexpr int kButtons = 10;
inline TextSetting start(int n)
{
    return {QStringLiteral("custom"), QStringLiteral("start%1").arg(n), QStringLiteral("<Custom %1>").arg(n)};
}
inline TextSetting stop(int n)
{
    return {QStringLiteral("custom"), QStringLiteral("stop%1").arg(n), QStringLiteral("</Custom %1>").arg(n)};
}
inline TextSetting caption(int n)
{
    return {QStringLiteral("custom"), QStringLiteral("caption%1").arg(n),
            n == 10 ? QStringLiteral("Custom 1&0") : QStringLiteral("Custom &%1").arg(n)};
}
}  // namespace custom

// The quick snippets of the Insert menu.
namespace quick {
inline const TextSetting kTable{QStringLiteral("quick"), QStringLiteral("table"),
                                QString::fromUtf8(kQuickTableDefault)};
inline const TextSetting kStyle{QStringLiteral("quick"), QStringLiteral("style"),
                                QString::fromUtf8(kQuickStyleDefault)};
inline const TextSetting kScript{QStringLiteral("quick"), QStringLiteral("script"),
                                 QString::fromUtf8(kQuickScriptDefault)};
}  // namespace quick

// The recent files, slot 0 the most recent.
namespace mru {
inline constexpr int kSlots = 4;
inline TextSetting file(int slot)
{
    return {QStringLiteral("mru list"), QString::number(slot + 1), QString()};
}
}  // namespace mru

// The program's folder, written at close; nothing reads it.
namespace program {
inline const TextSetting kPath{QStringLiteral("program"), QStringLiteral("path"), QString()};
}  // namespace program

}  // namespace settings
