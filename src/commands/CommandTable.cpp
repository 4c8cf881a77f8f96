// The command table itself: every menu entry, shortcut and toolbar button of
// the main window in one place, in menu order.
#include "commands/CommandTable.h"

#include <cstring>

namespace commands {
namespace {

// clang-format off
constexpr CommandEntry kTable[] = {
    // parent    name                 caption                        command                     shortcut         flags
    {"mnu",      "File1",             "&File",                       "",                         "",              kMenu},
    {"File1",    "FileNew",           "&New",                        "FileNewClick",             "Alt+N",         kPlain, "btnNew", "New", nullptr, "document-new"},
    {"File1",    "FileOpen",          "&Open...",                    "FileOpenClick",            "Alt+O",         kPlain, "btnOpen", "Open", nullptr, "document-open"},
    {"File1",    "FileSave",          "&Save",                       "FileSaveClick",            "Ctrl+S",        kPlain, "btnSave", "Save", nullptr, "document-save"},
    {"File1",    "FileSaveAs",        "Save &As...",                 "FileSaveAsClick",          "",              kPlain, "btnSaveAs", "Save As", nullptr, "document-save-as"},
    {"File1",    "",                  "",                            "",                         "",              kSeparator},
    {"File1",    "FilePrint",         "&Print",                      "FilePrintClick",           "",              kPlain, "btnPrint", "Print", nullptr, "document-print"},
    {"File1",    "",                  "",                            "",                         "",              kSeparator},
    {"File1",    "FileQPage",         "&Quick Page...",              "FileQPageClick",           "",              kPlain},
    {"File1",    "mruline",           "",                            "",                         "",              kSeparator},
    {"File1",    "mru1",              "",                            "mru1Click",                "",              kPlain},
    {"File1",    "mru2",              "",                            "mru2Click",                "",              kPlain},
    {"File1",    "mru3",              "",                            "mru3Click",                "",              kPlain},
    {"File1",    "mru4",              "",                            "mru4Click",                "",              kPlain},
    {"File1",    "",                  "",                            "",                         "",              kSeparator},
    {"File1",    "FileExit",          "E&xit",                       "FileExitClick",            "",              kPlain},

    {"mnu",      "Edit1",             "&Edit",                       "",                         "",              kMenu},
    {"Edit1",    "EditUndo",          "&Undo",                       "EditUndoClick",            "Ctrl+Z",        kPlain, "btnUndo", "Undo", nullptr, "edit-undo"},
    {"Edit1",    "EditRedo",          "Re&do",                       "EditRedoClick",            "Ctrl+Shift+Z",  kPlain, "btnRedo", "Redo", nullptr, "edit-redo"},
    {"Edit1",    "",                  "",                            "",                         "",              kSeparator},
    {"Edit1",    "EditCut",           "Cu&t",                        "EditCutClick",             "Ctrl+X",        kPlain, "btnCut", "Cut", nullptr, "edit-cut"},
    {"Edit1",    "EditCopy",          "&Copy",                       "EditCopyClick",            "Ctrl+C",        kPlain, "btnCopy", "Copy", nullptr, "edit-copy"},
    {"Edit1",    "EditPaste",         "&Paste",                      "EditPasteClick",           "Ctrl+V",        kPlain, "btnPaste", "Paste", nullptr, "edit-paste"},
    {"Edit1",    "",                  "",                            "",                         "",              kSeparator},
    {"Edit1",    "EditSelect",        "Select &All",                 "EditSelectClick",          "",              kPlain},
    {"Edit1",    "",                  "",                            "",                         "",              kSeparator},
    {"Edit1",    "EditFind",          "&Find...",                    "EditFindClick",            "Ctrl+F",        kPlain, "btnFind", "Find", nullptr, "edit-find"},
    {"Edit1",    "EditFindNext",      "Find &Next",                  "EditFindNextClick",        "F3",            kPlain},
    {"Edit1",    "Replace1",          "&Replace",                    "Replace1Click",            "Ctrl+H",        kPlain, "btnReplace", "Replace", nullptr, "edit-find-replace"},
    {"Edit1",    "",                  "",                            "",                         "",              kSeparator},
    {"Edit1",    "EditGoToLine",      "&Go to line...",              "EditGoToLineClick",        "Alt+G",         kPlain},
    {"Edit1",    "EditMatchingTag",   "Go to &Matching Tag",         "EditMatchingTagClick",     "Ctrl+Shift+M",  kPlain},
    {"Edit1",    "EditSelectElement", "Select &Element",             "EditSelectElementClick",   "Ctrl+Shift+E",  kPlain},
    {"Edit1",    "",                  "",                            "",                         "",              kSeparator},
    {"Edit1",    "EditWrap",          "&Word Wrap",                  "EditWrapClick",            "",              kCheckable},

    {"mnu",      "View1",             "&View",                       "",                         "",              kMenu},
    {"View1",    "ViewToolbar",       "&Standard Toolbar",           "ViewToolbarClick",         "",              kCheckable},
    {"View1",    "ViewFormatBar",     "Fo&rmatting Toolbar",         "ViewFormatBarClick",       "",              kCheckable},
    {"View1",    "ViewCustomBar",     "&Custom Toolbar",             "ViewCustomBarClick",       "",              kCheckable},
    {"View1",    "viewStatus",        "S&tatus Bar",                 "viewStatusClick",          "",              kCheckable},
    {"View1",    "",                  "",                            "",                         "",              kSeparator},
    {"View1",    "ViewSide",          "Files and &Directories",      "ViewSideClick",            "",              kCheckable},
    {"View1",    "ViewLineNumbers",   "&Line Numbers",               "ViewLineNumbersClick",     "",              kCheckable},
    {"View1",    "",                  "",                            "",                         "",              kSeparator},
    {"View1",    "ViewColorize",      "S&yntax Highlighting",        "ViewColorizeClick",        "",              kCheckable},
    {"View1",    "ViewTagList",       "Custom &Tag List",            "ViewTagListClick",         "F8",            kCheckable},
    {"View1",    "",                  "",                            "",                         "",              kSeparator},
    {"View1",    "ViewFont",          "Editor &Font...",             "ViewFontClick",            "",              kPlain},
    {"View1",    "ViewZoomIn",        "Zoom &In",                    "ViewZoomInClick",          "Ctrl+=",        kPlain},
    {"View1",    "ViewZoomOut",       "Zoom &Out",                   "ViewZoomOutClick",         "Ctrl+-",        kPlain},
    {"View1",    "ViewZoomNormal",    "&Normal Size",                "ViewZoomNormalClick",      "Ctrl+0",        kPlain},
    {"View1",    "",                  "",                            "",                         "",              kSeparator},
    {"View1",    "ViewRefresh",       "&Refresh",                    "ViewRefreshClick",         "F5",            kPlain},
    {"View1",    "ViewLivePreview",   "&Live Preview",               "ViewLivePreviewClick",     "Ctrl+F9",       kCheckable, "btnLivePreview", "Live Preview", nullptr, nullptr},

    {"mnu",      "Format1",           "Fo&rmat",                     "",                         "",              kMenu},
    {"Format1",  "FormatP",           "&Paragraph",                  "FormatPClick",             "Ctrl+P",        kPlain, "btnPara", "Paragraph", nullptr, nullptr},
    {"Format1",  "FormatBold",        "&Bold",                       "FormatBoldClick",          "Ctrl+B",        kPlain, "btnBold", "Bold", nullptr, "format-text-bold"},
    {"Format1",  "FormatItalic",      "&Italic",                     "FormatItalicClick",        "Ctrl+I",        kPlain, "btnItalic", "Italic", nullptr, "format-text-italic"},
    {"Format1",  "formatUnderline",   "Und&erline",                  "formatUnderlineClick",     "Alt+U",         kPlain, "btnUnderline", "Underline", nullptr, "format-text-underline"},
    {"Format1",  "FormatCenter",      "&Center",                     "FormatCenterClick",        "Ctrl+T",        kPlain, "btnCenter", "Center", nullptr, "format-justify-center"},
    {"Format1",  "FormatComments",    "Comme&nts",                   "FormatCommentsClick",      "Ctrl+N",        kPlain, "btnComment", "Comment", "!--", nullptr},
    {"Format1",  "",                  "",                            "",                         "",              kSeparator},
    {"Format1",  "FormatCell",        "Table Ce&ll",                 "FormatCellClick",          "Ctrl+D",        kPlain, "btnTd", "Table Cell", "TD", nullptr},
    {"Format1",  "FormatRow",         "Table &Row",                  "FormatRowClick",           "Ctrl+R",        kPlain, "btnTr", "Table Row", "TR", nullptr},
    {"Format1",  "",                  "",                            "",                         "",              kSeparator},
    {"Format1",  "Heading1",          "&Heading",                    "",                         "",              kMenu},
    {"Heading1", "Heading11",         "Heading &1",                  "Heading11Click",           "Ctrl+1",        kPlain, "btnH1", "Heading 1", "H1", nullptr},
    {"Heading1", "Heading21",         "Heading &2",                  "Heading21Click",           "Ctrl+2",        kPlain, "btnH2", "Heading 2", "H2", nullptr},
    {"Heading1", "Heading31",         "Heading &3",                  "Heading31Click",           "Ctrl+3",        kPlain, "btnH3", "Heading 3", "H3", nullptr},
    {"Heading1", "Heading41",         "Heading &4",                  "Heading41Click",           "Ctrl+4",        kPlain, "btnH4", "Heading 4", "H4", nullptr},
    {"Heading1", "Heading51",         "Heading &5",                  "Heading51Click",           "Ctrl+5",        kPlain, "btnH5", "Heading 5", "H5", nullptr},
    {"Heading1", "Heading61",         "Heading &6",                  "Heading61Click",           "Ctrl+6",        kPlain, "btnH6", "Heading 6", "H6", nullptr},
    {"Format1",  "",                  "",                            "",                         "",              kSeparator},
    {"Format1",  "FormatOrderedList", "Or&dered List",               "FormatOrderedListClick",   "Ctrl+O",        kPlain, "btnOl", "Ordered LIst", "OL", nullptr},
    {"Format1",  "UnorderedList1",    "&Unordered List",             "UnorderedList1Click",      "Ctrl+U",        kPlain, "btnUl", "Unordered List", "UL", nullptr},
    {"Format1",  "FormatLineItem",    "&List Item",                  "FormatLineItemClick",      "Ctrl+L",        kPlain, "btnListItem", "List Item", "LI", nullptr},
    {"Format1",  "",                  "",                            "",                         "",              kSeparator},
    {"Format1",  "FormatText",        "&Typed Text",                 "FormatTextClick",          "Ctrl+Y",        kPlain, "btnTypedText", "Typed Text", "TT", nullptr},
    {"Format1",  "PreformattedText1", "Pre-f&ormatted Text",         "PreformattedText1Click",   "Ctrl+W",        kPlain, "btnPre", "Pre-formatted Text", "PRE", nullptr},
    {"Format1",  "",                  "",                            "",                         "",              kSeparator},
    {"Format1",  "FormatFont",        "&Font Attributes",            "FormatFontClick",          "Ctrl+Shift+F",  kPlain, "btnFont", "Font", nullptr, "preferences-desktop-font"},

    {"mnu",      "Insert1",           "&Insert",                     "",                         "",              kMenu},
    {"Insert1",  "InsertHlink",       "&Anchor",                     "InsertHlinkClick",         "Ctrl+A",        kPlain, "btnLink", "Anchor", nullptr, "insert-link"},
    {"Insert1",  "Body1",             "&Body",                       "Body1Click",               "Alt+B",         kPlain},
    {"Insert1",  "InsertElink",       "&E-Mail Link",                "InsertElinkClick",         "Ctrl+E",        kPlain, "btnMail", "E-Mail Link", nullptr, "mail-message-new"},
    {"Insert1",  "InsertStyle",       "Sty&le Sheet",                "InsertStyleClick",         "Shift+Alt+Y",   kPlain, "btnStyle", "Style Sheet", nullptr, nullptr},
    {"Insert1",  "",                  "",                            "",                         "",              kSeparator},
    {"Insert1",  "InsertQuickTable",  "&Quick Table",                "InsertQuickTableClick",    "Ctrl+Q",        kPlain},
    {"Insert1",  "InsertQuickScript", "Quick Scri&pt",               "InsertQuickScriptClick",   "Ctrl+Alt+S",    kPlain},
    {"Insert1",  "InsertQuickStyle",  "Quick St&yle",                "InsertQuickStyleClick",    "Ctrl+Alt+Y",    kPlain},
    {"Insert1",  "",                  "",                            "",                         "",              kSeparator},
    {"Insert1",  "InsertImage",       "&Image",                      "InsertImageClick",         "Ctrl+G",        kPlain, "btnImage", "Image", nullptr, "insert-image"},
    {"Insert1",  "InsertBreak",       "&Line Break",                 "InsertBreakClick",         "Ctrl+K",        kPlain, "btnBreak", "Line Break", nullptr, nullptr},
    {"Insert1",  "HorizontalLine1",   "&Horizontal Line",            "HorizontalLine1Click",     "Ctrl+Shift+H",  kPlain, "btnHR", "Horizontal Line", nullptr, nullptr},
    {"Insert1",  "",                  "",                            "",                         "",              kSeparator},
    {"Insert1",  "InserForm",         "&Form",                       "InserFormClick",           "Shift+F1",      kPlain},
    {"Insert1",  "InsertHidden",      "H&idden Value",               "InsertHiddenClick",        "Shift+F2",      kPlain},
    {"Insert1",  "InsertTextField",   "&Text Box",                   "InsertTextFieldClick",     "Shift+F3",      kPlain},
    {"Insert1",  "InsertTextArea",    "Te&xt Area",                  "InsertTextAreaClick",      "Shift+F4",      kPlain},
    {"Insert1",  "InsertRadio",       "&Radio Button",               "InsertRadioClick",         "Shift+F5",      kPlain},
    {"Insert1",  "InsertCheckBox",    "Chec&k Box",                  "InsertCheckBoxClick",      "Shift+F6",      kPlain},
    {"Insert1",  "InsertDropDown",    "List B&ox",                   "InsertDropDownClick",      "Shift+F7",      kPlain},
    {"Insert1",  "InsertSubmit",      "Su&bmit Button",              "InsertSubmitClick",        "Shift+F8",      kPlain},
    {"Insert1",  "InsertClear",       "Reset B&utton",               "InsertClearClick",         "Shift+F9",      kPlain},
    {"Insert1",  "",                  "",                            "",                         "",              kSeparator},
    {"Insert1",  "InsertTextFromFile", "Text From A&nother File",    "InsertTextFromFileClick",  "Ctrl+Shift+Ins", kPlain, "btnTextFile", "Insert Text", nullptr, "insert-text"},
    {"Insert1",  "",                  "",                            "",                         "",              kSeparator},
    {"Insert1",  "UpdateStamp1",      "Update &Stamp",               "UpdateStamp1Click",        "Ctrl+Shift+S",  kPlain, "btnUpdate", "Update Stamp", nullptr, nullptr},

    {"mnu",      "Special1",          "&Special",                    "",                         "",              kMenu},
    {"Special1", "Marquee1",          "&Marquee",                    "Marquee1Click",            "Shift+Alt+W",   kPlain},
    {"Special1", "SpecialBlink",      "&Blink",                      "SpecialBlinkClick",        "Shift+Alt+B",   kPlain},
    {"Special1", "InsertApplet",      "&Applet",                     "InsertAppletClick",        "Shift+Alt+A",   kPlain},
    {"Special1", "",                  "",                            "",                         "",              kSeparator},
    {"Special1", "SpecialReg",        "&Registered",                 "SpecialRegClick",          "Shift+Alt+R",   kPlain},
    {"Special1", "SpecialCopy",       "&Copyright",                  "SpecialCopyClick",         "Shift+Alt+C",   kPlain},
    {"Special1", "",                  "",                            "",                         "",              kSeparator},
    {"Special1", "OneFourth1",        "&One Fourth",                 "OneFourth1Click",          "",              kPlain},
    {"Special1", "OneHalf1",          "One &Half",                   "OneHalf1Click",            "",              kPlain},
    {"Special1", "ThreeFourths1",     "T&hree Fourths",              "ThreeFourths1Click",       "",              kPlain},
    {"Special1", "Micro1",            "Micr&o",                      "Micro1Click",              "",              kPlain},
    {"Special1", "Degree1",           "De&gree",                     "Degree1Click",             "",              kPlain},
    {"Special1", "Cent1",             "C&ent",                       "Cent1Click",               "",              kPlain},
    {"Special1", "PoundSterling1",    "Pound Ster&ling",             "PoundSterling1Click",      "",              kPlain},
    {"Special1", "Yen1",              "&Yen",                        "Yen1Click",                "",              kPlain},
    {"Special1", "Space1",            "S&pace",                      "Space1Click",              "Shift+Alt+Space", kPlain},

    {"mnu",      "Custom1",           "&Custom",                     "Custom1Click",             "",              kMenu},
    {"Custom1",  "N1Custom1",         "&1 Custom",                   "btnCustom1Click",          "Alt+1",         kPlain, "btnCustom1", "Right-Click to Customize", "Custom #1", nullptr},
    {"Custom1",  "N2Custom1",         "&2 Custom",                   "btnCustom2Click",          "Alt+2",         kPlain, "btnCustom2", "Right-Click to Customize", "Custom #2", nullptr},
    {"Custom1",  "N3Custom1",         "&3 Custom",                   "btnCustom3Click",          "Alt+3",         kPlain, "btnCustom3", "Right-Click to Customize", "Custom #3", nullptr},
    {"Custom1",  "N4Custom1",         "&4 Custom",                   "btnCustom4Click",          "Alt+4",         kPlain, "btnCustom4", "Right-Click to Customize", "Custom #4", nullptr},
    {"Custom1",  "N5Custom1",         "&5 Custom",                   "btnCustom5Click",          "Alt+5",         kPlain, "btnCustom5", "Right-Click to Customize", "Custom #5", nullptr},
    {"Custom1",  "N6Custom1",         "&6 Custom",                   "btnCustom6Click",          "Alt+6",         kPlain, "btnCustom6", "Right-Click to Customize", "Custom #6", nullptr},
    {"Custom1",  "N7Custom1",         "&7 Custom",                   "btnCustom7Click",          "Alt+7",         kPlain, "btnCustom7", "Right-Click to Customize", "Custom #7", nullptr},
    {"Custom1",  "N8Custom1",         "&8 Custom",                   "btnCustom8Click",          "Alt+8",         kPlain, "btnCustom8", "Right-Click to Customize", "Custom #8", nullptr},
    {"Custom1",  "N9Custom1",         "&9 Custom",                   "btnCustom9Click",          "Alt+9",         kPlain, "btnCustom9", "Right-Click to Customize", "Custom #9", nullptr},
    {"Custom1",  "N10Custom1",        "&10 Custom",                  "btnCustom10Click",         "Alt+0",         kPlain, "btnCustom10", "Right-Click to Customize", "Custom #10", nullptr},
    {"Custom1",  "close11",           "close1",                      "close11Click",             "Shift+Alt+1",   kInvisible},
    {"Custom1",  "close21",           "close2",                      "Close21Click",             "Shift+Alt+2",   kInvisible},
    {"Custom1",  "close31",           "close3",                      "Close31Click",             "Shift+Alt+3",   kInvisible},
    {"Custom1",  "close41",           "close4",                      "Close41Click",             "Shift+Alt+4",   kInvisible},
    {"Custom1",  "close51",           "close5",                      "Close51Click",             "Shift+Alt+5",   kInvisible},
    {"Custom1",  "close61",           "close6",                      "Close61Click",             "Shift+Alt+6",   kInvisible},
    {"Custom1",  "close71",           "close7",                      "Close71Click",             "Shift+Alt+7",   kInvisible},
    {"Custom1",  "close81",           "close8",                      "Close81Click",             "Shift+Alt+8",   kInvisible},
    {"Custom1",  "close91",           "close9",                      "Close91Click",             "Shift+Alt+9",   kInvisible},
    {"Custom1",  "close101",          "close10",                     "Close101Click",            "Shift+Alt+0",   kInvisible},

    {"mnu",      "Tools1",            "&Tools",                      "Tools1Click",              "",              kMenu},
    {"Tools1",   "ToolsBrowser",      "Update &Web Browser",         "ToolsBrowserClick",        "F9",            kPlain, "btnBrowser", "Update Browser", nullptr, "web-browser"},
    {"Tools1",   "",                  "",                            "",                         "",              kSeparator},
    {"Tools1",   "ColorFinder1",      "Co&lor Finder...",            "ColorFinder1Click",        "F7",            kPlain},
    {"Tools1",   "ToolsCheck",        "Chec&k Page",                 "ToolsCheckClick",          "F6",            kCheckable},
    {"Tools1",   "ToolsNextProblem",  "&Next Problem",               "ToolsNextProblemClick",    "F4",            kPlain},
    {"Tools1",   "ToolsPrevProblem",  "&Previous Problem",           "ToolsPrevProblemClick",    "Ctrl+Shift+F4", kPlain},
    {"Tools1",   "",                  "",                            "",                         "",              kSeparator},
    {"Tools1",   "ToolsDefTool1",     "&1 User Defined Tool",        "ToolsDefTool1Click",       "F10",           kPlain},
    {"Tools1",   "ToolsDefTool2",     "&2 User Defined Tool",        "ToolsDefTool2Click",       "F11",           kPlain},
    {"Tools1",   "ToolsDefTool3",     "&3 User Defined Tool",        "ToolsDefTool3Click",       "F12",           kPlain},
    {"Tools1",   "",                  "",                            "",                         "",              kSeparator},
    {"Tools1",   "ToolsConvert",      "&Convert Special Characters", "ToolsConvertClick",        "",              kMenu},
    {"ToolsConvert", "ToolsS2H",      "&Special Characters To HTML", "ToolsS2HClick",            "",              kPlain},
    {"ToolsConvert", "ToolsH2S",      "&HTML to Special Characters", "ToolsH2SClick",            "",              kPlain},
    {"Tools1",   "ToolsConvertTags",  "Con&vert All Tags To..",      "",                         "",              kMenu},
    {"ToolsConvertTags", "ToolsConvertUpper", "&Upper Case",         "ToolsConvertUpperClick",   "",              kPlain},
    {"ToolsConvertTags", "ToolsConvertLower", "&Lower Case",         "ToolsConvertLowerClick",   "",              kPlain},
    {"Tools1",   "ToolsListItems",    "Convert To List &Items",      "ToolsListItemsClick",      "",              kPlain},
    {"Tools1",   "",                  "",                            "",                         "",              kSeparator},
    {"Tools1",   "ToolsRemoveTags",   "R&emove All Tags",            "ToolsRemoveTagsClick",     "",              kPlain},
    {"Tools1",   "ToolsRemoveReturns", "&Remove CRLF's ",            "ToolsRemoveReturnsClick",  "Ctrl+J",        kPlain},
    {"Tools1",   "FormatText2Html",   "Te&xt to HTML...",            "FormatText2HtmlClick",     "",              kPlain},
    {"Tools1",   "",                  "",                            "",                         "",              kSeparator},
    {"Tools1",   "ToolsOptions",      "&Options",                    "ToolsOptionsClick",        "",              kPlain},

    {"mnu",      "Help1",             "&Help",                       "",                         "",              kMenu},
    {"Help1",    "HelpContents",      "&Contents",                   "HelpContentsClick",        "F1",            kPlain},
    {"Help1",    "",                  "",                            "",                         "",              kSeparator},
    {"Help1",    "HelpAbout",         "&About Quillon Pro...",       "HelpAboutClick",           "",              kPlain},

    // Never shown: its entries exist for their shortcuts.
    {"mnu",         "ClosingTags1",   "Hidden",                      "",                         "",              kMenu | kInvisible},
    {"ClosingTags1", "EditCut2",      "Cut",                         "EditCutClick",             "Shift+Del",     kPlain},
    {"ClosingTags1", "EditCopy2",     "Copy",                        "EditCopyClick",            "Ctrl+Ins",      kPlain},
    {"ClosingTags1", "EditPaste2",    "Paste",                       "EditPasteClick",           "Shift+Ins",     kPlain},
    {"ClosingTags1", "Bold1",         "Bold",                        "Bold1Click",               "Ctrl+Shift+B",  kPlain},
    {"ClosingTags1", "Italic1",       "Italic",                      "Italic1Click",             "Ctrl+Shift+I",  kPlain},
    {"ClosingTags1", "Underline2",    "Underline",                   "Underline2Click",          "Shift+Alt+U",   kPlain},
    {"ClosingTags1", "Paragraph1",    "Paragraph",                   "Paragraph1Click",          "Ctrl+Shift+P",  kPlain},
    {"ClosingTags1", "Comments1",     "Comments",                    "Comments1Click",           "Ctrl+Shift+N",  kPlain},
    {"ClosingTags1", "Center1",       "Center",                      "Center1Click",             "Ctrl+Shift+T",  kPlain},
    {"ClosingTags1", "tablecell1",    "table cell",                  "tablecell1Click",          "Ctrl+Shift+D",  kPlain},
    {"ClosingTags1", "tablerow1",     "table row",                   "tablerow1Click",           "Ctrl+Shift+R",  kPlain},
    {"ClosingTags1", "unorderedlist2", "unordered list",             "unorderedlist2Click",      "Ctrl+Shift+U",  kPlain},
    {"ClosingTags1", "orderedlist1",  "ordered list",                "orderedlist1Click",        "Ctrl+Shift+O",  kPlain},
    {"ClosingTags1", "lineitem1",     "line item",                   "lineitem1Click",           "Ctrl+Shift+L",  kPlain},
    {"ClosingTags1", "preformatted1", "preformatted",                "preformatted1Click",       "Ctrl+Shift+W",  kPlain},
    {"ClosingTags1", "typedtext1",    "typed text",                  "typedtext1Click",          "Ctrl+Shift+Y",  kPlain},
    {"ClosingTags1", "h11",           "h1",                          "h11Click",                 "Ctrl+Shift+1",  kPlain},
    {"ClosingTags1", "h21",           "h2",                          "h21Click",                 "Ctrl+Shift+2",  kPlain},
    {"ClosingTags1", "h31",           "h3",                          "h31Click",                 "Ctrl+Shift+3",  kPlain},
    {"ClosingTags1", "h41",           "h4",                          "h41Click",                 "Ctrl+Shift+4",  kPlain},
    {"ClosingTags1", "h51",           "h5",                          "h51Click",                 "Ctrl+Shift+5",  kPlain},
    {"ClosingTags1", "h61",           "h6",                          "h61Click",                 "Ctrl+Shift+6",  kPlain},
    {"ClosingTags1", "ViewZoomIn2",   "Zoom In",                     "ViewZoomInClick",          "Ctrl++",        kPlain},

    // The context menu of the editor.
    {"",         "pmenu",             "",                            "pmenuPopup",               "",              kMenu},
    {"pmenu",    "pUndo",             "&Undo",                       "EditUndoClick",            "",              kPlain},
    {"pmenu",    "",                  "",                            "",                         "",              kSeparator},
    {"pmenu",    "pCut",              "Cu&t",                        "EditCutClick",             "",              kPlain},
    {"pmenu",    "pCopy",             "&Copy",                       "EditCopyClick",            "",              kPlain},
    {"pmenu",    "pPaste",            "&Paste",                      "EditPasteClick",           "",              kPlain},
    {"pmenu",    "pSelectAll",        "Select &All",                 "EditSelectClick",          "",              kPlain},
    {"pmenu",    "",                  "",                            "",                         "",              kSeparator},
    {"pmenu",    "New1",              "&New",                        "FileNewClick",             "",              kPlain},
    {"pmenu",    "Print1",            "Prin&t",                      "FilePrintClick",           "",              kPlain},
    {"pmenu",    "",                  "",                            "",                         "",              kSeparator},
    {"pmenu",    "pFind",             "&Find",                       "EditFindClick",            "",              kPlain},
    {"pmenu",    "Replace2",          "&Replace",                    "Replace1Click",            "",              kPlain},
    {"pmenu",    "",                  "",                            "",                         "",              kSeparator},
    {"pmenu",    "pColorFinder",      "&Color Finder...",            "ColorFinder1Click",        "",              kPlain},
    {"pmenu",    "pInserText",        "Insert Text...",              "InsertTextFromFileClick",  "",              kPlain},

    // The side panel's context menus: the folder list's and the file list's.
    {"",         "pDirMenu",          "",                            "",                         "",              kMenu},
    {"pDirMenu", "p2Create",          "&Create New",                 "p2CreateClick",            "",              kPlain},
    {"",         "pFileMenu",         "",                            "pFileMenuPopup",           "",              kMenu},
    {"pFileMenu", "p3Open",           "&Open",                       "fileboxDblClick",          "",              kPlain},
    {"pFileMenu", "p3OpenWith",       "Open &With...",               "p3OpenWithClick",          "",              kMenu},
    {"p3OpenWith", "p3User1",         "&1 User Defined Tool",        "p3User1Click",             "",              kPlain},
    {"p3OpenWith", "p3User2",         "&2 User Defined Tool",        "p3User2Click",             "",              kPlain},
    {"p3OpenWith", "p3User3",         "&3 User Defined Tool",        "p3User3Click",             "",              kPlain},
    {"pFileMenu", "p3Rename",         "Re&name",                     "p3RenameClick",            "",              kPlain},
    {"pFileMenu", "p3Delete",         "&Delete",                     "p3DeleteClick",            "",              kPlain},

    // Toolbar buttons with no menu entry.
    {nullptr,    "btnFontUp",         "",                            "btnFontUpClick",           "",              kPlain, "btnFontUp", "Font Size=\"+1\"", "+1", nullptr},
    {nullptr,    "btnFontDown",       "",                            "btnFontDownClick",         "",              kPlain, "btnFontDown", "Font Size=\"-1\"", "-1", nullptr},
};

constexpr const char* kStandardBar[] = {
    "btnNew", "btnOpen", "btnSave", "btnSaveAs", "btnUndo", "btnRedo", "btnCut", "btnCopy", "btnPaste", "btnFind",
    "btnReplace", "btnLink", "btnImage", "btnMail", "btnHR", "btnStyle", "btnTextFile", "btnUpdate",
    "btnBrowser", "btnLivePreview", "btnPrint", kColorGridName};

constexpr const char* kFormatBar[] = {
    "btnPara", "btnBold", "btnItalic", "btnCenter", "btnUnderline", "btnComment", "btnTypedText", "btnPre",
    "btnBreak", "btnTd", "btnTr", "btnH1", "btnH2", "btnH3", "btnH4", "btnH5", "btnH6", "btnOl", "btnUl",
    "btnListItem", "btnFont", "btnFontUp", "btnFontDown"};

constexpr const char* kCustomBar[] = {
    "btnCustom1", "btnCustom2", "btnCustom3", "btnCustom4", "btnCustom5",
    "btnCustom6", "btnCustom7", "btnCustom8", "btnCustom9", "btnCustom10"};
// clang-format on

}  // namespace

std::span<const CommandEntry> commandTable()
{
    return kTable;
}

const CommandEntry* findEntry(const char* name)
{
    for (const CommandEntry& e : kTable)
        if (*e.name && std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

const CommandEntry* findButton(const char* button)
{
    for (const CommandEntry& e : kTable)
        if (e.button && std::strcmp(e.button, button) == 0) return &e;
    return nullptr;
}

std::span<const char* const> standardBarButtons()
{
    return kStandardBar;
}
std::span<const char* const> formatBarButtons()
{
    return kFormatBar;
}
std::span<const char* const> customBarButtons()
{
    return kCustomBar;
}

}  // namespace commands
