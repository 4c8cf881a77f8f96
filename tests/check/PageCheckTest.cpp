// The page checker on small pages written for the purpose: each kind of
// problem at its exact line, column and bytes; targets against a real folder;
// image sizes from headers; deep nesting without a hang.
#include "check/ImageSize.h"
#include "check/PageCheck.h"

namespace {

using check::Problem;
using check::Severity;

struct Expected {
    int line, column;
    Severity severity;
    const char* messagePart;
    const char* selected;  // the bytes a jump selects
};

// Every expected problem is found, at its place, and nothing more.
void expectProblems(const std::string& page, const QString& path, const std::vector<Expected>& expected,
                    check::CheckOptions options = {})
{
    const std::vector<Problem> found = check::checkPage(page, path, options);
    std::string listing;
    for (const Problem& p : found)
        listing += std::to_string(p.line) + ":" + std::to_string(p.column) + " " + p.message + "\n";
    EXPECT_EQ(found.size(), expected.size()) << page << "\n" << listing;
    for (const Expected& e : expected) {
        const bool there = std::ranges::any_of(found, [&](const Problem& p) {
            return p.line == e.line && p.column == e.column && p.severity == e.severity &&
                   p.message.find(e.messagePart) != std::string::npos && page.substr(p.offset, p.length) == e.selected;
        });
        EXPECT_TRUE(there) << page << "\nexpected " << e.line << ":" << e.column << " " << e.messagePart << "\n"
                           << listing;
    }
    EXPECT_TRUE(std::ranges::is_sorted(found, {}, &Problem::offset));
}

const std::string kHead = "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n";

TEST(PageCheck, FindsEachKindOfProblemInTheTextAtItsPlace)
{
    const struct {
        std::string body;
        std::vector<Expected> expected;
    } cases[] = {
        {"<p>a <b>b</p></b>",
         {{3, 6, Severity::Error, "missing </b> before </p>", "<b>"},
          {3, 14, Severity::Error, "unexpected </b>", "</b>"}}},
        {"</section>", {{3, 1, Severity::Error, "unexpected </section>", "</section>"}}},
        {"<div>\r\n<span>x</div>", {{4, 1, Severity::Error, "missing </span> before </div>", "<span>"}}},
        {"<p title=a title=b>x</p>", {{3, 1, Severity::Error, "repeated attribute", "<p title=a title=b>"}}},
        {"<p>\t\xC3\xA9&bogus; x</p>", {{3, 6, Severity::Error, "unknown entity", "&bogus;"}}},
        {"<p>\xC3\xA9 < b</p>", {{3, 6, Severity::Error, "\"<\" starts no tag", "<"}}},
        {"<p id=\"a\">x</p>\r\n<p id=\"a\">y</p>",
         {{4, 4, Severity::Error, "duplicate id \"a\" (first on line 3)", "id=\"a\""}}},
        {"<img src=\"http://example.org/x.png\">",
         {{3, 1, Severity::Warning, "<img> has no alt", "<img src=\"http://example.org/x.png\">"}}},
        {"<center>x</center><p bgcolor=red>y</p>",
         {{3, 1, Severity::Note, "<center> is obsolete", "<center>"},
          {3, 22, Severity::Note, "bgcolor attribute is obsolete", "bgcolor=red"}}},
        {"<a name=\"n\">x</a><a href=\"#n\">n</a><a href=\"#top\">t</a><a href=\"#gone\">g</a>",
         {{3, 59, Severity::Error, "no id or name \"gone\" on this page", "href=\"#gone\""}}},
        {"<tr><td>x</td></tr><col><table><tr><td>y</table><td>z",
         {{3, 1, Severity::Error, "<tr> is outside any table", "<tr>"},
          {3, 20, Severity::Error, "<col> is outside any table", "<col>"},
          {3, 49, Severity::Error, "<td> is outside any table", "<td>"}}},
    };
    for (const auto& c : cases) expectProblems(kHead + c.body + "\r\n</body></html>\r\n", {}, c.expected);
    // An older document type is checked by HTML5's grammar too, places kept
    // across its two lines: a stray row swallows nothing after it.
    expectProblems(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"\n \"http://www.w3.org/TR/html4/strict.dtd\">\n"
        "<html><head><title>t</title></head><body>\n<tr><td>x</td></tr>\n<p title=a title=b>x</p></body></html>",
        {},
        {{4, 1, Severity::Error, "<tr> is outside any table", "<tr>"},
         {5, 1, Severity::Error, "repeated attribute", "<p title=a title=b>"}});
    // The notes are an option: off, the obsolete markup says nothing.
    expectProblems(kHead + "<center>x</center></body></html>", {}, {}, {.notes = false});
}

std::string png(int width, int height)
{
    std::string s("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (int v : {width, height})
        for (int shift : {24, 16, 8, 0}) s += static_cast<char>((v >> shift) & 0xFF);
    return s + std::string(17, '\0');
}

TEST(PageCheck, FindsTargetsThatPointNowhereOnDisk)
{
    faults::writeBytes("site/img/Logo.png", png(20, 10));
    faults::writeBytes("site/other.html", "<p id=\"sec\">s</p><a name=\"old\">o</a>");
    faults::writeBytes("site/sub/dir/.keep", "");
    const std::string page =
        "<a href=\"other.html#sec\">1</a><a href=\"other.html#old\">2</a>\n"
        "<a href=\"other.html#gone\">3</a><a href=\"missing.html\">4</a>\n"
        "<img src=\"img/logo.png\" alt=\"\"><img src=\"img/Logo.png\" alt=\"\" width=20 height=12>\n"
        "<link rel=stylesheet href=\"style.css?v=2\"><script src=\"js/a.js\"></script>\n"
        "<a href=\"https://example.org/none\">5</a><a href=\"mailto:a@b\">6</a>\n"
        "<a href=\"sub/dir/\">7</a><iframe src=\"sub/x%20y.html\"></iframe>\n";
    expectProblems(kHead + page + "</body></html>", QDir::current().absoluteFilePath("site/page.html"),
                   {{4, 4, Severity::Error, "no id or name \"gone\" in \"other.html\"", "href=\"other.html#gone\""},
                    {4, 35, Severity::Error, "\"missing.html\" does not exist", "href=\"missing.html\""},
                    {5, 6, Severity::Error, "\"img/logo.png\" does not exist", "src=\"img/logo.png\""},
                    {5, 72, Severity::Warning, "\"img/Logo.png\" is 10 pixels high", "height=12"},
                    {6, 22, Severity::Error, "\"style.css\" does not exist", "href=\"style.css?v=2\""},
                    {6, 51, Severity::Error, "\"js/a.js\" does not exist", "src=\"js/a.js\""},
                    {8, 33, Severity::Error, "\"sub/x%20y.html\" does not exist", "src=\"sub/x%20y.html\""}});
}

TEST(PageCheck, ReadsImageSizesFromTheirHeaders)
{
    const std::string vp8x =
        std::string("RIFF\0\0\0\0WEBPVP8X", 16) + std::string(8, '\0') + std::string("\x3f\0\0\x1d\0\0", 6);
    const std::string vp8l = std::string("RIFF\0\0\0\0WEBPVP8L\0\0\0\0\x2f", 21) + std::string("\x3f\x40\x07\0", 4);
    const std::string jpeg = std::string("\xFF\xD8\xFF\xE0\0\x04xx\xFF\xC0\0\x11\x08\0\x1d\0\x40", 19);
    const struct {
        std::string head;
        std::optional<check::ImageSize> size;
    } cases[] = {
        {png(640, 480), check::ImageSize{640, 480}},
        {std::string("GIF89a\x07\0\x09\0", 10), check::ImageSize{7, 9}},
        {jpeg, check::ImageSize{64, 29}},
        {vp8x, check::ImageSize{64, 30}},
        {vp8l, check::ImageSize{64, 30}},
        {"<?xml version=\"1.0\"?><svg width=\"32px\" height=\"16\">", check::ImageSize{32, 16}},
        {"<svg viewBox=\"0 0 10 10\">", std::nullopt},
        {png(1, 1).substr(0, 20), std::nullopt},
        {"\xFF\xD8\xFF\xE0\xFF\xFF", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(check::imageSizeOfHeader(c.head), c.size) << c.head;
}

// (Random bytes: fuzz/PageCheckFuzz.) Deep nesting costs the grammar library
// time by its square: it is not asked.
TEST(PageCheck, RefusesDeepNestingWithoutAHang)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<div>";
    const auto found = check::checkPage(deep, {}, {});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].message.find("nested more than"), std::string::npos);
}

}  // namespace
