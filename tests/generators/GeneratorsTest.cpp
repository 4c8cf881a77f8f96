// The generators without widgets: the colour scheme's rules, the dialog's
// stored choices, the templates and Quick Page, as tables.

#include "generators/NewDocument.h"
#include "generators/Templates.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

namespace {

using namespace generators;
using Codes = ColourScheme::Codes;

// A page in lower case is its upper-case form but for the case of letters;
// `exactly` is a piece of it that must appear as it is.
void expectLowerForm(const QString& lower, const QString& upper, const char* exactly)
{
    EXPECT_EQ(lower.compare(upper, Qt::CaseInsensitive), 0) << lower.toStdString();
    EXPECT_TRUE(lower.contains(QString::fromUtf8(exactly))) << exactly;
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

// An empty DTD is stored empty but shown as the default again; the last
// template is the one the dialog comes back with.
TEST(NewDialogFields, ComeBackAsStored)
{
    settings::SettingsStore store;
    NewDialogFields f = readNewDialogFields(store);
    EXPECT_EQ(std::tuple(f.templateNo, f.dtd), std::tuple(int(Normal), QString::fromLatin1(kDtd)));
    f.dtd.clear();
    f.templateNo = Frames;
    storeConfirmed(store, f);
    EXPECT_EQ(store.read(settings::document::kDtd), "");
    const NewDialogFields again = readNewDialogFields(store);
    EXPECT_EQ(std::tuple(again.templateNo, again.dtd), std::tuple(int(Frames), QString::fromLatin1(kDtd)));
    for (const auto& [last, shown] : {std::pair(1, Blank), {4, Custom}, {5, Normal}}) {
        store.write(settings::user::kLastTemplate, last);
        EXPECT_EQ(readNewDialogFields(store).templateNo, shown) << last;
    }
}

// Both pages share the head, which begins with the empty line when there is no
// declaration; a page in lower case is its upper-case form but for the case of
// letters; the default page's body line comes from the colours and the
// background image.
TEST(Templates, AreWrittenInTheTagCase)
{
    const Codes lower = {"c0c0c0", "000000", "0000ff", "800080", "ff0000"};
    const QString page = defaultTemplate({false, false, "", "", kDefaults}), frames = framesetTemplate(false, "");
    const QString head = page.left(page.indexOf("<BODY"));
    EXPECT_TRUE(head.startsWith("\r\n<HTML>\r\n<HEAD>") && head.endsWith("</HEAD>\r\n")) << head.toStdString();
    EXPECT_TRUE(frames.startsWith(head + "\r\n<BASE TARGET=\"\">\r\n\r\n<FRAMESET>\r\n")) << frames.toStdString();
    expectLowerForm(defaultTemplate({true, false, "", kDtd, lower}), kDtd + ("\r\n" + page),
                    "<!doctype html public \"-//w3c//dtd html 3.2//en\">\r\n\r\n<html>");
    expectLowerForm(framesetTemplate(true, kDtd), kDtd + ("\r\n" + frames),
                    R"(<meta name="Generator" content="Quillon Pro">)");
    const std::pair<DefaultPage, const char*> rows[] = {
        {{false, false, "", kDtd, kDefaults},
         R"(<BODY BGCOLOR="C0C0C0" TEXT="000000" LINK="0000FF" VLINK="800080" ALINK="FF0000">)"},
        {{true, true, "", kDtd, lower}, "<body>"},
        {{false, true, "Back.GIF", kDtd, kDefaults}, R"(<BODY BACKGROUND="Back.GIF">)"},
        {{true, false, "Back.GIF", kDtd, lower},
         R"(<body background="Back.GIF" bgcolor="c0c0c0" text="000000" link="0000ff" vlink="800080" alink="ff0000">)"},
    };
    for (const auto& [fields, expected] : rows) EXPECT_EQ(defaultTemplate(fields).split("\r\n").value(10), expected);
}

// The values as the user stored them and the texts between tags keep their
// case, each address line a line of the page, the date in the locale's words;
// in lower case the page is its upper-case form but for the case of letters.
TEST(QuickPage, KeepsTheValuesAsStoredInBothTagCases)
{
    settings::Options o;
    o.name = "Ann <&> Lee";
    o.mail = "ann@x.org";
    o.phone = "555-1";
    o.fax = "555-2";
    o.url = "http://x.org/~ann";
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    o.tagCase = false;
    o.address = "1 Main St\nTown";
    const QString upper = quickPage(o, QDate(2024, 3, 5), english);
    for (const char* piece : {"<TITLE>Ann <&> Lee's Page</TITLE>", "<H1>Welcome to Ann <&> Lee's Page.</H1>",
                              "<A HREF=\"mailto:ann@x.org\">ann@x.org</A>",
                              "\r\nAnn <&> Lee<BR>\r\n1 Main St\r\nTown<BR>\r\nTel: 555-1<BR>\r\nFax: 555-2<BR>\r\n"
                              "<A HREF=\"http://x.org/~ann\">http://x.org/~ann</A><BR>\r\n",
                              "Copyright &copy; 2024 - Page created Tuesday, March 5, 2024 using"})
        EXPECT_TRUE(upper.contains(QString::fromUtf8(piece))) << piece;
    o.tagCase = true;
    o.address = "1 Main St\r\nTown";
    expectLowerForm(quickPage(o, QDate(2024, 3, 5), english), upper, "<title>Ann <&> Lee's Page</title>");
}

// The new document's text: the template by its number, the stored colours
// mended; a custom template read as documents are, one that cannot be read
// said to be missing.
TEST(NewDocument, TextIsTheChosenTemplate)
{
    settings::SettingsStore store;
    store.write(settings::document::kLinkColour, "blue");
    store.write(settings::document::kActiveColour, "AbCdEf");
    EXPECT_EQ(templateColours(store, true), (Codes{"c0c0c0", "000000", "0000ff", "800080", "abcdef"}));
    QFile custom("mine.html");
    ASSERT_TRUE(custom.open(QIODevice::WriteOnly));
    custom.write("<P>\xe9\n");  // Windows-1252, LF
    custom.close();
    const std::tuple<int, QString, std::string> rows[] = {{Blank, "", ""},
                                                          {Frames, "", "\r\n<HTML>"},
                                                          {Custom, "mine.html", "<P>\xc3\xa9\r\n"},
                                                          {Custom, "none.html", "missing"},
                                                          {Custom, ".", "missing"},
                                                          {-1, "mine.html", ""}};
    settings::Options o;
    o.tagCase = false;
    for (const auto& [number, file, expected] : rows) {
        o.templateNo = number;
        o.customFile = file;
        bool missing = false;
        const std::string got = newDocumentText(o, store, &missing);
        EXPECT_EQ(missing ? "missing" + got : got.substr(0, expected.empty() ? got.npos : expected.size()), expected)
            << number << " " << file.toStdString();
    }
}

}  // namespace
