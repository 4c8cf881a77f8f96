// The generators without widgets: the colour scheme's rules, the dialog's
// stored choices, the templates and Quick Page, as tables.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <span>

#include "generators/NewDocument.h"
#include "generators/Templates.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace {

using namespace generators;
using Codes = ColourScheme::Codes;
using Lines = std::span<const std::array<const char*, 2>>;  // each line's lower- and upper-case form

// The lines of one form, each ending in CR LF.
QString text(Lines lines, bool lower)
{
    QString out;
    for (const auto& line : lines) out += QString::fromUtf8(line[lower ? 0 : 1]) + "\r\n";
    return out;
}

const Codes kDefaults = {"C0C0C0", "000000", "0000FF", "800080", "FF0000"};
const char* const kDtd = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)";

// The five codes, the selected part and the bars.
std::string state(const ColourScheme& s)
{
    const dialogs::Rgb b = s.bars();
    return QStringList(s.codes().begin(), s.codes().end()).join(' ').toStdString() +
           QStringLiteral(" | %1 | %2 %3 %4").arg(s.selectedPart()).arg(b.red).arg(b.green).arg(b.blue).toStdString();
}

TEST(ColourScheme, BarsAreTheWorkingCopyOfTheSelectedPart)
{
    const std::function<void(ColourScheme&)> none = [](auto&) {};
    const Codes odd = {"#fff", "zzzzzz", "12345", "0000ff0", "abcdef"}, other = {"123456", "abcdef", "1", "2", "3"};
    // clang-format off
    const std::tuple<const char*, Codes, std::function<void(ColourScheme&)>, const char*> rows[] = {
        {"first use", {}, none, "C0C0C0 000000 0000FF 800080 FF0000 | 0 | 192 192 192"},
        {"not codes", odd, none, "C0C0C0 000000 0000FF 800080 ABCDEF | 0 | 192 192 192"},
        {"palette square equal to the bars", {}, [](auto& s) { s.selectPart(Link), s.pickPalette(7); },
         "C0C0C0 000000 0000FF 800080 FF0000 | 2 | 192 192 192"},
        {"part chosen in the list, one bar moved", {}, [](auto& s) { s.selectPart(Text), s.moveBars({192, 192, 0}); },
         "C0C0C0 C0C000 0000FF 800080 FF0000 | 1 | 192 192 0"},
        {"sample clicked", {}, [](auto& s) { s.pickPart(VisitedLink); },
         "C0C0C0 000000 0000FF 800080 FF0000 | 3 | 128 0 128"},
        {"sample, then palette", {}, [](auto& s) { s.pickPart(ActiveLink), s.pickPalette(10); },
         "C0C0C0 000000 0000FF 800080 00FF00 | 4 | 0 255 0"},
        {"restore", other, [](auto& s) { s.pickPart(Link), s.moveBars({1, 2, 3}), s.restoreDefaults(); },
         "C0C0C0 000000 0000FF 800080 FF0000 | 0 | 192 192 192"},
    };
    // clang-format on
    for (const auto& [name, stored, act, expected] : rows) {
        ColourScheme scheme(stored);
        act(scheme);
        EXPECT_EQ(state(scheme), expected) << name;
    }
}

TEST(NewDialogSettings, FirstUseOkAndCancel)
{
    settings::SettingsStore store;
    NewDialogFields f = readNewDialogFields(store);
    EXPECT_EQ(f.templateNo, Normal);
    EXPECT_EQ(f.dtd, kDtd);
    EXPECT_EQ(f.customFile, QDir::homePath() + "/myfile.html");

    f.dtd.clear();
    f.templateNo = Frames;
    f.colours = ColourScheme(f.colours).codes();
    storeConfirmed(store, f);
    storeCancelled(store);
    EXPECT_EQ(store.read(settings::document::kBgColour), "C0C0C0");
    EXPECT_EQ(store.read(settings::document::kTemplate), Blank);
    EXPECT_EQ(store.read(settings::document::kDtd), "");
    const NewDialogFields again = readNewDialogFields(store);
    EXPECT_EQ(again.templateNo, Frames);  // Cancel keeps the last template
    EXPECT_EQ(again.dtd, kDtd);
    for (const auto& [last, shown] : {std::pair(1, Blank), {4, Custom}, {0, Normal}, {5, Normal}}) {
        store.write(settings::user::kLastTemplate, last);
        EXPECT_EQ(readNewDialogFields(store).templateNo, shown) << last;
    }
}

// clang-format off
const std::array<const char*, 2> kHead[] = {
    {R"(<!doctype html public "-//w3c//dtd html 3.2//en">)", kDtd}, {"", ""},
    {"<html>", "<HTML>"},
    {"<head>", "<HEAD>"}, {"", ""},
    {"  <title></title>", "  <TITLE></TITLE>"},
    {R"(  <meta name="keywords" content="">)", R"(  <META NAME="KEYWORDS" CONTENT="">)"},
    {R"(  <meta name="Generator" content="Quillon Pro">)", R"(  <META NAME="GENERATOR" CONTENT="Quillon Pro">)"},
    {"", ""}, {"</head>", "</HEAD>"},
};
const std::array<const char*, 2> kDefaultBody[] = {
    {R"(<body bgcolor="c0c0c0" text="000000" link="0000ff" vlink="800080" alink="ff0000">)",
     R"(<BODY BGCOLOR="C0C0C0" TEXT="000000" LINK="0000FF" VLINK="800080" ALINK="FF0000">)"},
    {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""},
    {"</body>", "</BODY>"},
    {"</html>", "</HTML>"},
};
const std::array<const char*, 2> kFrameset[] = {
    {"", ""},
    {R"(<base target="">)", R"(<BASE TARGET="">)"}, {"", ""},
    {"<frameset>", "<FRAMESET>"},
    {R"(  <frame name="" src="">)", R"(  <FRAME NAME="" SRC="">)"},
    {R"(  <frame name="" src="">)", R"(  <FRAME NAME="" SRC="">)"}, {"", ""},
    {"    <noframes>", "    <NOFRAMES>"},
    {"      <!-- Support for browsers that don't support frames -->",
     "      <!-- Support for browsers that don't support frames -->"},
    {"    </noframes>", "    </NOFRAMES>"}, {"", ""},
    {"</frameset>", "</FRAMESET>"},
    {"</html>", "</HTML>"},
};
// clang-format on

TEST(Templates, DefaultAndFramesetPagesInBothTagCases)
{
    const Codes lower = {"c0c0c0", "000000", "0000ff", "800080", "ff0000"};
    // Without a declaration (upper case here) the page begins with the empty line.
    const QString headLower = text(kHead, true), headUpper = text(std::span(kHead).subspan(1), false);
    EXPECT_EQ(defaultTemplate({true, false, "", kDtd, lower}), headLower + text(kDefaultBody, true));
    EXPECT_EQ(defaultTemplate({false, false, "", "", kDefaults}), headUpper + text(kDefaultBody, false));
    EXPECT_EQ(framesetTemplate(true, kDtd), headLower + text(kFrameset, true));
    EXPECT_EQ(framesetTemplate(false, ""), headUpper + text(kFrameset, false));
    // The body line alone.
    const std::pair<DefaultPage, const char*> rows[] = {
        {{true, true, "", kDtd, lower}, "<body>"},
        {{false, true, "Back.GIF", kDtd, kDefaults}, R"(<BODY BACKGROUND="Back.GIF">)"},
        {{true, false, "Back.GIF", kDtd, lower},
         R"(<body background="Back.GIF" bgcolor="c0c0c0" text="000000" link="0000ff" vlink="800080" alink="ff0000">)"},
    };
    for (const auto& [page, expected] : rows) EXPECT_EQ(defaultTemplate(page).split("\r\n").value(10), expected);
}

// clang-format off
const std::array<const char*, 2> kQuickPage[] = {
    {"", ""},
    {"<html>", "<HTML>"},
    {"<head>", "<HEAD>"}, {"", ""},
    {"  <title>Ann <&> Lee's Page</title>", "  <TITLE>Ann <&> Lee's Page</TITLE>"},
    {R"(  <meta name="keywords" content="">)", R"(  <META NAME="keywords" CONTENT="">)"},
    {R"(  <meta name="Generator" content="Quillon Pro">)", R"(  <META NAME="Generator" CONTENT="Quillon Pro">)"},
    {"", ""}, {"</head>", "</HEAD>"}, {"", ""},
    {R"(<body bgcolor="#ffffff">)", R"(<BODY BGCOLOR="#FFFFFF">)"}, {"", ""},
    {"<h1>Welcome to Ann <&> Lee's Page.</h1>", "<H1>Welcome to Ann <&> Lee's Page.</H1>"},
    {R"(<hr size="2" noshade><br>)", R"(<HR SIZE="2" NOSHADE><BR>)"}, {"", ""},
    {"<h2>Table of Contents</h2>", "<H2>Table of Contents</H2>"},
    {"<ul>", "<UL>"},
    {R"(  <a href="#item1"><li>Item 1</li></a>)", R"(  <A HREF="#item1"><LI>Item 1</LI></A>)"},
    {R"(  <a href="#item2"><li>Item 2</li></a>)", R"(  <A HREF="#item2"><LI>Item 2</LI></A>)"},
    {R"(  <a href="#item3"><li>Item 3</li></a>)", R"(  <A HREF="#item3"><LI>Item 3</LI></A>)"},
    {"</ul>", "</UL>"}, {"", ""},
    {R"(<hr size="2" noshade><br><br>)", R"(<HR SIZE="2" NOSHADE><BR><BR>)"}, {"", ""},
    {R"(<a name="item1"><h2>Heading 1</h2>)", R"(<A NAME="item1"><H2>Heading 1</H2>)"},
    {"<p>Place paragraph 1 information here.</p>", "<P>Place paragraph 1 information here.</P>"}, {"", ""},
    {R"(<a name="item2"><h2>Heading 2</h2>)", R"(<A NAME="item2"><H2>Heading 2</H2>)"},
    {"<p>Place paragraph 2 information here.</p>", "<P>Place paragraph 2 information here.</P>"}, {"", ""},
    {R"(<a name="item3"><h2>Heading 3</h2>)", R"(<A NAME="item3"><H2>Heading 3</H2>)"},
    {"<p>Place paragraph 3 information here.</p>", "<P>Place paragraph 3 information here.</P>"}, {"", ""},
    {R"(<p><b>If you would like to comment on this page send E-Mail to <a href="mailto:ann@x.org">ann@x.org</a></b></p>)",
     R"(<P><B>If you would like to comment on this page send E-Mail to <A HREF="mailto:ann@x.org">ann@x.org</A></B></P>)"},
    {"", ""}, {R"(<p><i><font size="-1">)", R"(<P><I><FONT SIZE="-1">)"},
    {"Ann <&> Lee<br>", "Ann <&> Lee<BR>"},
    {"1 Main St", "1 Main St"},
    {"Town<br>", "Town<BR>"},
    {"Tel: 555-1<br>", "Tel: 555-1<BR>"},
    {"Fax: 555-2<br>", "Fax: 555-2<BR>"},
    {R"(<a href="http://x.org/~ann">http://x.org/~ann</a><br>)",
     R"(<A HREF="http://x.org/~ann">http://x.org/~ann</A><BR>)"},
    {"</font></i></p>", "</FONT></I></P>"}, {"", ""},
    {R"(<hr size="2" noshade>)", R"(<HR SIZE="2" NOSHADE>)"}, {"", ""},
    {R"(<font size="-2">Copyright &copy; 2024 - Page created Tuesday, March 5, 2024 using <a href="http://www.quillon.example/">Quillon Pro</a>.</font>)",
     R"(<FONT SIZE="-2">Copyright &copy; 2024 - Page created Tuesday, March 5, 2024 using <A HREF="http://www.quillon.example/">Quillon Pro</A>.</FONT>)"},
    {"", ""}, {"</body>", "</BODY>"},
    {"</html>", "</HTML>"},
};
// clang-format on

TEST(QuickPage, BothTagCasesWithTheValuesAsStoredAndEachAddressLineALine)
{
    settings::Options o;
    o.name = "Ann <&> Lee";
    o.mail = "ann@x.org";
    o.phone = "555-1";
    o.fax = "555-2";
    o.url = "http://x.org/~ann";
    for (const bool lower : {true, false}) {
        o.tagCase = lower;
        o.address = lower ? "1 Main St\r\nTown" : "1 Main St\nTown";
        EXPECT_EQ(quickPage(o, QDate(2024, 3, 5), QLocale(QLocale::English, QLocale::UnitedStates)),
                  text(kQuickPage, lower));
    }
}

TEST(NewDocumentText, TemplateByNumberWithStoredColoursMended)
{
    settings::SettingsStore store;
    store.write(settings::document::kLinkColour, "blue");
    store.write(settings::document::kActiveColour, "AbCdEf");
    EXPECT_EQ(templateColours(store, true), (Codes{"c0c0c0", "000000", "0000ff", "800080", "abcdef"}));

    QFile custom("mine.html");
    ASSERT_TRUE(custom.open(QIODevice::WriteOnly));
    custom.write("<P>\xe9\n");  // Windows-1252, LF
    custom.close();
    // clang-format off
    const std::tuple<int, QString, std::string> rows[] = {
        {Blank, "", ""}, {Normal, "", "\r\n<HTML>"}, {Frames, "", "\r\n<HTML>"}, {Custom, "mine.html", "<P>\xc3\xa9\r\n"},
        {Custom, "none.html", "missing"}, {Custom, ".", "missing"}, {Custom, "", "missing"},
        {4, "mine.html", ""}, {-1, "mine.html", ""}};
    // clang-format on
    settings::Options o;
    o.tagCase = false;
    for (const auto& [number, file, expected] : rows) {
        o.templateNo = number;
        o.customFile = file;
        bool missing = false;
        const std::string got = newDocumentText(o, store, &missing);
        EXPECT_EQ(missing ? "missing" + got : got.substr(0, expected.empty() ? got.npos : expected.size()), expected);
    }
}

}  // namespace
