// The generators without widgets: the colour scheme's rules, the dialog's
// stored choices, the templates and Quick Page, as tables.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "generators/NewDocument.h"
#include "generators/Templates.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace {

using namespace generators;
using Codes = ColourScheme::Codes;

// Expected texts are written with "\n"; the generators end lines in CR LF.
QString crlf(const char* text)
{
    return QString::fromUtf8(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

const Codes kDefaults = {"C0C0C0", "000000", "0000FF", "800080", "FF0000"};

TEST(ColourScheme, BarsAreTheWorkingCopyOfTheSelectedPart)
{
    const struct {
        const char* name;
        Codes stored;
        std::function<void(ColourScheme&)> act;
        Codes codes;
        int selected;
        dialogs::Rgb bars;
    } rows[] = {
        {"first use: defaults in upper case", {}, [](auto&) {}, kDefaults, 0, {192, 192, 192}},
        {"codes that are not codes take the default",
         {"#fff", "zzzzzz", "12345", "0000ff0", "abcdef"},
         [](auto&) {},
         {"C0C0C0", "000000", "0000FF", "800080", "ABCDEF"},
         0,
         {192, 192, 192}},
        {"a palette square equal to the bars changes nothing",
         {},
         [](auto& s) { s.selectPart(Link), s.pickPalette(7); },
         kDefaults,
         Link,
         {192, 192, 192}},
        {"a part chosen in the list, then one bar moved",
         {},
         [](auto& s) {
             s.selectPart(Text), s.moveBars({192, 192, 0});
         },
         {"C0C0C0", "C0C000", "0000FF", "800080", "FF0000"},
         Text,
         {192, 192, 0}},
        {"a sample clicked moves the bars only",
         {},
         [](auto& s) { s.pickPart(VisitedLink); },
         kDefaults,
         VisitedLink,
         {128, 0, 128}},
        {"a palette square colours the selected part",
         {},
         [](auto& s) { s.pickPart(ActiveLink), s.pickPalette(10); },
         {"C0C0C0", "000000", "0000FF", "800080", "00FF00"},
         ActiveLink,
         {0, 255, 0}},
        {"restore with any part selected",
         {"123456", "abcdef", "000001", "000002", "000003"},
         [](auto& s) {
             s.pickPart(Link), s.moveBars({1, 2, 3}), s.selectPart(ActiveLink), s.restoreDefaults();
         },
         kDefaults,
         Background,
         {192, 192, 192}},
    };
    for (const auto& row : rows) {
        ColourScheme scheme(row.stored);
        row.act(scheme);
        EXPECT_EQ(scheme.codes(), row.codes) << row.name;
        EXPECT_EQ(scheme.selectedPart(), row.selected) << row.name;
        EXPECT_EQ(scheme.bars(), row.bars) << row.name;
    }
}

TEST(NewDialogSettings, FirstUseOkAndCancel)
{
    settings::SettingsStore store;
    NewDialogFields f = readNewDialogFields(store);
    EXPECT_EQ(f.templateNo, Normal);
    EXPECT_EQ(f.dtd, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)");
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
    EXPECT_EQ(again.dtd, R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)");

    for (const auto& [last, shown] : {std::pair(1, Blank), {4, Custom}, {0, Normal}, {5, Normal}}) {
        store.write(settings::user::kLastTemplate, last);
        EXPECT_EQ(readNewDialogFields(store).templateNo, shown) << last;
    }
}

const char* const kHeadLower = R"(<!doctype html public "-//w3c//dtd html 3.2//en">

<html>
<head>

  <title></title>
  <meta name="keywords" content="">
  <meta name="Generator" content="Quillon Pro">

</head>
)";
const char* const kHeadUpper = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">

<HTML>
<HEAD>

  <TITLE></TITLE>
  <META NAME="KEYWORDS" CONTENT="">
  <META NAME="GENERATOR" CONTENT="Quillon Pro">

</HEAD>
)";
const char* const kDtd = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">)";

TEST(Templates, DefaultPage)
{
    const Codes lower = {"c0c0c0", "000000", "0000ff", "800080", "ff0000"};
    EXPECT_EQ(
        defaultTemplate({true, false, "", kDtd, lower}),
        crlf(kHeadLower) + crlf(R"(<body bgcolor="c0c0c0" text="000000" link="0000ff" vlink="800080" alink="ff0000">





</body>
</html>
)"));
    EXPECT_EQ(
        defaultTemplate({false, false, "", kDtd, kDefaults}),
        crlf(kHeadUpper) + crlf(R"(<BODY BGCOLOR="C0C0C0" TEXT="000000" LINK="0000FF" VLINK="800080" ALINK="FF0000">





</BODY>
</HTML>
)"));
    // The body line alone (line 11, or 10 without a declaration).
    const struct {
        DefaultPage page;
        int line;
        const char* expected;
    } rows[] = {
        {{true, true, "", kDtd, lower}, 10, "<body>"},
        {{false, true, "Back.GIF", kDtd, kDefaults}, 10, R"(<BODY BACKGROUND="Back.GIF">)"},
        {{true, false, "Back.GIF", "", lower},
         9,
         R"(<body background="Back.GIF" bgcolor="c0c0c0" text="000000" link="0000ff" vlink="800080" alink="ff0000">)"},
        {{true, true, "", "", lower}, 0, ""},
        {{true, true, "", "", lower}, 1, "<html>"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(defaultTemplate(row.page).split("\r\n").value(row.line), row.expected) << row.expected;
}

TEST(Templates, FramesetPageNeedsNoColours)
{
    EXPECT_EQ(framesetTemplate(true, kDtd), crlf(kHeadLower) + crlf(R"(
<base target="">

<frameset>
  <frame name="" src="">
  <frame name="" src="">

    <noframes>
      <!-- Support for browsers that don't support frames -->
    </noframes>

</frameset>
</html>
)"));
    EXPECT_EQ(framesetTemplate(false, kDtd), crlf(kHeadUpper) + crlf(R"(
<BASE TARGET="">

<FRAMESET>
  <FRAME NAME="" SRC="">
  <FRAME NAME="" SRC="">

    <NOFRAMES>
      <!-- Support for browsers that don't support frames -->
    </NOFRAMES>

</FRAMESET>
</HTML>
)"));
    EXPECT_TRUE(framesetTemplate(true, "").startsWith("\r\n<html>\r\n"));
}

settings::Options user(bool lower, const QString& address)
{
    settings::Options o;
    o.tagCase = lower;
    o.name = "Ann <&> Lee";
    o.mail = "ann@x.org";
    o.phone = "555-1";
    o.fax = "555-2";
    o.address = address;
    o.url = "http://x.org/~ann";
    return o;
}

TEST(QuickPage, BothTagCasesWithTheValuesAsStored)
{
    const QDate day(2024, 3, 5);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(quickPage(user(true, "1 Main St\r\nTown"), day, us), crlf(R"(
<html>
<head>

  <title>Ann <&> Lee's Page</title>
  <meta name="keywords" content="">
  <meta name="Generator" content="Quillon Pro">

</head>

<body bgcolor="#ffffff">

<h1>Welcome to Ann <&> Lee's Page.</h1>
<hr size="2" noshade><br>

<h2>Table of Contents</h2>
<ul>
  <a href="#item1"><li>Item 1</li></a>
  <a href="#item2"><li>Item 2</li></a>
  <a href="#item3"><li>Item 3</li></a>
</ul>

<hr size="2" noshade><br><br>

<a name="item1"><h2>Heading 1</h2>
<p>Place paragraph 1 information here.</p>

<a name="item2"><h2>Heading 2</h2>
<p>Place paragraph 2 information here.</p>

<a name="item3"><h2>Heading 3</h2>
<p>Place paragraph 3 information here.</p>

<p><b>If you would like to comment on this page send E-Mail to <a href="mailto:ann@x.org">ann@x.org</a></b></p>

<p><i><font size="-1">
Ann <&> Lee<br>
1 Main St
Town<br>
Tel: 555-1<br>
Fax: 555-2<br>
<a href="http://x.org/~ann">http://x.org/~ann</a><br>
</font></i></p>

<hr size="2" noshade>

<font size="-2">Copyright &copy; 2024 - Page created Tuesday, March 5, 2024 using <a href="http://www.quillon.example/">Quillon Pro</a>.</font>

</body>
</html>
)"));
    EXPECT_EQ(quickPage(user(false, "1 Main St\nTown"), day, us), crlf(R"(
<HTML>
<HEAD>

  <TITLE>Ann <&> Lee's Page</TITLE>
  <META NAME="keywords" CONTENT="">
  <META NAME="Generator" CONTENT="Quillon Pro">

</HEAD>

<BODY BGCOLOR="#FFFFFF">

<H1>Welcome to Ann <&> Lee's Page.</H1>
<HR SIZE="2" NOSHADE><BR>

<H2>Table of Contents</H2>
<UL>
  <A HREF="#item1"><LI>Item 1</LI></A>
  <A HREF="#item2"><LI>Item 2</LI></A>
  <A HREF="#item3"><LI>Item 3</LI></A>
</UL>

<HR SIZE="2" NOSHADE><BR><BR>

<A NAME="item1"><H2>Heading 1</H2>
<P>Place paragraph 1 information here.</P>

<A NAME="item2"><H2>Heading 2</H2>
<P>Place paragraph 2 information here.</P>

<A NAME="item3"><H2>Heading 3</H2>
<P>Place paragraph 3 information here.</P>

<P><B>If you would like to comment on this page send E-Mail to <A HREF="mailto:ann@x.org">ann@x.org</A></B></P>

<P><I><FONT SIZE="-1">
Ann <&> Lee<BR>
1 Main St
Town<BR>
Tel: 555-1<BR>
Fax: 555-2<BR>
<A HREF="http://x.org/~ann">http://x.org/~ann</A><BR>
</FONT></I></P>

<HR SIZE="2" NOSHADE>

<FONT SIZE="-2">Copyright &copy; 2024 - Page created Tuesday, March 5, 2024 using <A HREF="http://www.quillon.example/">Quillon Pro</A>.</FONT>

</BODY>
</HTML>
)"));
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
    settings::Options o;
    o.tagCase = false;
    const struct {
        int templateNo;
        QString customFile;
        const char* starts;
        bool missing;
    } rows[] = {
        {Blank, "", "", false},
        {Normal, "", "\r\n<HTML>", false},
        {Frames, "", "\r\n<HTML>", false},
        {Custom, "mine.html", "<P>\xc3\xa9\r\n", false},
        {Custom, "none.html", "", true},
        {Custom, ".", "", true},
        {Custom, "", "", true},
        {4, "mine.html", "", false},
        {-1, "mine.html", "", false},
    };
    for (const auto& row : rows) {
        o.templateNo = row.templateNo;
        o.customFile = row.customFile;
        bool missing = false;
        const std::string text = newDocumentText(o, store, &missing);
        EXPECT_EQ(text.substr(0, std::string_view(row.starts).size()), row.starts) << row.templateNo;
        EXPECT_EQ(text.empty(), !*row.starts) << row.templateNo;
        EXPECT_EQ(missing, row.missing) << row.templateNo;
    }
}

}  // namespace
