// Printing the listing, to PDF: the header, line and page breaks, and the print
// dialog's Cancel. The printed text is read back with pdftotext.

#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "commands/Printing.h"
#include "support/MainWindowFixture.h"

namespace {

TEST(PrintHeader, NamesTheDocument)
{
    const QDateTime at(QDate(2026, 12, 5), QTime(14, 7));
    const std::tuple<const char*, QLocale, const char*> rows[] = {
        {"/web/a b.html - Quillon Pro", QLocale::c(), "/web/a b.html  -  Quillon Pro Dec-05-26 14:07"},
        {"Colorizing - Please wait...", QLocale::c(), "untitled.html  -  Quillon Pro Dec-05-26 14:07"},
        {"x - Quillon Pro", QLocale(QLocale::German), "x  -  Quillon Pro Dez.-05-26 14:07"}};
    for (const auto& [caption, locale, header] : rows) EXPECT_EQ(commands::printHeader(caption, at, locale), header);
}

// The printed lines of one document line, in columns (every character one
// unit wide): "8:dd" is "dd" in column 8, "|" separates the runs of a printed
// line, "/" the printed lines, "^" marks a new page.
QString printedColumns(QStringView line, int columns)
{
    QStringList printed;
    for (const commands::ListingLine& l :
         commands::layOutListingLine(line, columns, commands::kListingTabColumns, [](QChar) { return 1; })) {
        QStringList runs;
        for (const commands::ListingRun& r : l.runs) runs << QString::number(r.x) + ':' + r.text;
        printed << (l.newPage ? "^" : "") + (l.hasText ? runs.join('|') : "(empty)");
    }
    return printed.join('/');
}

// Breaks fall at the last character that fits, inside a word if need be; a
// continued line starts at the left margin with its own tab stops.
TEST(ListingLayout, PlacesEachCharacterOfALine)
{
    const int tab = commands::kListingTabColumns;
    const QString full(2 * tab + 2, u'x');  // leaves less than a tab's room on a line of 2 * tab + 4
    const std::pair<QString, QString> rows[] = {
        {"a\tb", QString("0:a|%1:b").arg(tab)},
        {"\ta", QString("%1:a").arg(tab)},
        {full + "\tdd", QString("0:%1/%2:dd").arg(full).arg(tab)},
        {"a\ta\ta\ta\ta", QString("0:a|%1:a|%2:a/%1:a|%2:a").arg(tab).arg(2 * tab)},
        {QString(4 * tab + 11, u'w'), QString("0:%1/0:%1/0:www").arg(QString(2 * tab + 4, u'w'))},
        {"lone\rcr", "0:lonecr"},
        {"before\fafter", "0:before/^0:after"},
        {"\f", "(empty)/^(empty)"},
        {"", "(empty)"},
        {"\t", ""},
    };
    for (const auto& [line, printed] : rows)
        EXPECT_EQ(printedColumns(line, 2 * tab + 4), printed) << line.toStdString();
}

class Printing : public MainWindowTest {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "NOTICE: pdftotext is missing";
        start();
    }
    // Prints `text` through FilePrintClick, the dialog answered with a PDF
    // file (or cancelled); the lines of each page pdftotext finds in it.
    std::vector<QStringList> print(std::string_view text, bool accepted = true)
    {
        load(text);
        ui.onModal([this, accepted](QDialog& dialog) {
            QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(accepted ? QDialog::Accepted : QDialog::Rejected);
        });
        run("FilePrintClick");
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        p.waitForFinished();
        std::vector<QStringList> pages;
        for (const QString& page : QString::fromUtf8(p.readAllStandardOutput()).split(u'\f')) {
            pages.emplace_back();
            for (const QString& line : page.split(u'\n', Qt::SkipEmptyParts)) pages.back() << line.trimmed();
        }
        pages.pop_back();  // after the last page's form feed
        return pages;
    }

    QString pdf = QDir::currentPath() + "/out.pdf";
};

// Cancel prints nothing; an empty document prints the header alone. A word
// longer than the page is broken, not cut; a form feed starts a page; a
// thousand lines fill pages of equal length: as many lines of a 10-point font,
// 2 pixels apart, as an A4 or Letter page holds, less the room kept at the
// bottom.
TEST_F(Printing, EveryLaidOutLineIsPrintedOnWholePages)
{
    EXPECT_TRUE(print("text", false).empty());
    EXPECT_FALSE(QFile::exists(pdf));
    const std::vector<QStringList> header = print("");
    ASSERT_EQ(std::pair(header.size(), header.at(0).size()), std::pair(size_t(1), qsizetype(1)));
    EXPECT_TRUE(header[0][0].startsWith("untitled.html - Quillon Pro ")) << header[0][0].toStdString();
    const std::string word(400, 'w');
    std::string text = word + "\r\nbefore\fafter\r\n";
    for (int i = 1; i <= 1000; ++i) text += "line " + std::to_string(i) + "\r\n";
    const std::vector<QStringList> pages = print(text);
    ASSERT_GT(pages.size(), 3u);
    EXPECT_EQ(pages[0].filter("w").join("").size(), int(word.size()));
    EXPECT_EQ(pages[0].last(), "before");
    int total = 0;
    for (const QStringList& page : pages) total += int(page.size());
    EXPECT_EQ(total, int(pages[0].size()) + 1 + 1000) << "the header and every line, once";
    const qsizetype perPage = pages[1].size();
    EXPECT_EQ(pages[1].first(), "after");
    for (size_t i = 2; i + 1 < pages.size(); ++i) EXPECT_EQ(pages[i].size(), perPage) << "page " << i + 1;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const int pageLines = printer.height() / (QFontMetrics(commands::listingFont(), &printer).height() + 2);
    EXPECT_TRUE(perPage <= pageLines && perPage >= pageLines - 3) << perPage << " of " << pageLines;
}

}  // namespace
