// The look of `body`: the theme's colours and colour as you type, where the
// HTML lexer styles only what is about to be shown (Scintilla asks for styles
// up to the last line on screen before each paint) while the long-line
// window keeps documents with very long lines to the highlighter's styles.
#include <Qsci/qscilexerhtml.h>

#include <QColor>

#include "editor/BodyControlScintilla.h"
#include "editor/LongLineWindow.h"

namespace editor {
namespace {

long bgr(unsigned rgb)
{
    return static_cast<long>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

long bgr(const QColor& c)
{
    return bgr(static_cast<unsigned>(c.rgb()) & 0xFFFFFF);
}

// The lexer's colour of a style on the theme's paper: its own on light
// paper; on dark paper a dark colour turns as light as it was dark.
QColor lexerColour(const QsciLexerHTML& lexer, int style, const ThemeColours& theme)
{
    if (style == QsciLexerHTML::Default) return QColor::fromRgb(theme.text);
    const QColor own = lexer.defaultColor(style);
    if (!theme.dark || own.lightness() >= 128) return own;
    return QColor::fromHsl(own.hslHue(), own.hslSaturation(), 255 - own.lightness());
}

constexpr int kLexerStyles = 128;
constexpr int kKeywordSets = 6;

}  // namespace

void BodyControl::setThemeColours(const ThemeColours& colours)
{
    theme_ = colours;
    themed_ = true;
    applyStyles();
}

void BodyControl::applyStyles()
{
    if (themed_) {
        send(QsciScintillaBase::SCI_STYLESETFORE, QsciScintillaBase::STYLE_DEFAULT, bgr(theme_.text));
        send(QsciScintillaBase::SCI_STYLESETBACK, QsciScintillaBase::STYLE_DEFAULT, bgr(theme_.paper));
        send(QsciScintillaBase::SCI_SETCARETFORE, bgr(theme_.caret));
        if (theme_.selection) {
            send(QsciScintillaBase::SCI_SETSELBACK, 1, bgr(theme_.selection));
            send(QsciScintillaBase::SCI_SETSELFORE, 0, 0);  // the text keeps its colours
        } else {
            // The component's own: the desktop's selection colours.
            send(QsciScintillaBase::SCI_SETSELBACK, 1, bgr(control_->palette().color(QPalette::Highlight)));
            send(QsciScintillaBase::SCI_SETSELFORE, 1, bgr(control_->palette().color(QPalette::HighlightedText)));
        }
    }
    send(QsciScintillaBase::SCI_STYLECLEARALL);
    if (themed_) {
        // The margins (line numbers, problem marks) on a shade of the paper,
        // their numbers between paper and text: readable on a dark paper too.
        const auto mix = [](unsigned a, unsigned b, int percentOfB) {
            unsigned out = 0;
            for (int shift : {0, 8, 16}) {
                const unsigned x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
                out |= ((x * (100 - percentOfB) + y * percentOfB) / 100) << shift;
            }
            return out;
        };
        send(QsciScintillaBase::SCI_STYLESETBACK, QsciScintillaBase::STYLE_LINENUMBER,
             bgr(mix(theme_.paper, theme_.text, 8)));
        send(QsciScintillaBase::SCI_STYLESETFORE, QsciScintillaBase::STYLE_LINENUMBER,
             bgr(mix(theme_.paper, theme_.text, 55)));
    }
    if (lexing_) {
        for (int style = 0; style < kLexerStyles; ++style)
            if (!lexer_->description(style).isEmpty())
                send(QsciScintillaBase::SCI_STYLESETFORE, static_cast<unsigned long>(style),
                     bgr(lexerColour(*lexer_, style, theme_)));
        return;
    }
    setTagColour(TagColour_);
    longLines_->defineStyles();
}

void BodyControl::setLiveColouring(bool on)
{
    liveWanted_ = on;
    if (on && !styled_) giveStyles();
    const std::string_view text = characters();
    bool longLine = false;
    for (size_t at = 0; at < text.size() && !longLine;) {
        size_t lf = text.find('\n', at);
        if (lf == std::string_view::npos) lf = text.size();
        longLine = lf - at > static_cast<size_t>(LongLineWindow::kLongLine);
        at = lf + 1;
    }
    if (lexing_ && !on) {
        useClassicStyles();
        return;
    }
    chooseLexer(longLine);
}

void BodyControl::chooseLexer(bool longLine)
{
    const bool wanted = liveWanted_ && styled_ && !longLine;
    if (wanted == lexing_) return;
    if (!wanted) {
        // The long-line window already styled the document's long lines.
        lexing_ = false;
        send(QsciScintillaBase::SCI_SETLEXER, 0 /* SCLEX_CONTAINER */);
        applyStyles();
        return;
    }
    if (!lexer_) lexer_ = new QsciLexerHTML(this);
    lexing_ = true;
    send(QsciScintillaBase::SCI_SETLEXERLANGUAGE, 0, reinterpret_cast<long>(lexer_->lexer()));
    for (int set = 1; set <= kKeywordSets; ++set)
        if (const char* words = lexer_->keywords(set))
            send(QsciScintillaBase::SCI_SETKEYWORDS, static_cast<unsigned long>(set - 1),
                 reinterpret_cast<long>(words));
    applyStyles();
    // The highlighter's styles are the lexer's to replace, from the start.
    send(QsciScintillaBase::SCI_STARTSTYLING, 0);
    control_->viewport()->update();
}

void BodyControl::useClassicStyles()
{
    lexing_ = false;
    send(QsciScintillaBase::SCI_SETLEXER, 0 /* SCLEX_CONTAINER */);
    // The lexer's style numbers would read as the window's hidden bytes.
    send(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
    applyStyles();
    longLines_->windowAll(characters());
    markStyled();
    emit contentChanged();
}

bool BodyControl::longLineOnScreen() const
{
    const long first = firstVisibleDocumentLine();
    const long last = first + linesOnScreen() + 1;
    for (long line = first; line <= last && line < lineCount(); ++line)
        if (send(QsciScintillaBase::SCI_LINELENGTH, static_cast<unsigned long>(line)) > LongLineWindow::kLongLine)
            return true;
    return false;
}

int BodyControl::lexerStyleAt(Pos pos) const
{
    return static_cast<int>(send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)));
}

}  // namespace editor
