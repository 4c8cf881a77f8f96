// Printing the listing, to PDF: the header, line and page breaks, and the print
// dialog's Cancel. The printed text is read back with pdftotext.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include "commands/CommandModules.h"
#include "commands/Printing.h"
#include "support/FakeCommandContext.h"
#include "support/ScriptedInteraction.h"

namespace {

TEST(PrintHeader, NamesTheDocument)
{
    const QDateTime at(QDate(2026, 12, 5), QTime(14, 7));
    const QLocale c = QLocale::c();
    EXPECT_EQ(commands::printHeader("/web/a b.html - Quillon Pro", at, c),
              "/web/a b.html  -  Quillon Pro Dec-05-26 14:07");
    EXPECT_EQ(commands::printHeader("untitled.html - Quillon Pro", at, c),
              "untitled.html  -  Quillon Pro Dec-05-26 14:07");
    EXPECT_EQ(commands::printHeader("Colorizing - Please wait...", at, c),
              "untitled.html  -  Quillon Pro Dec-05-26 14:07");
    EXPECT_EQ(commands::printHeader("x - Quillon Pro", at, QLocale(QLocale::German)),
              "x  -  Quillon Pro Dez.-05-26 14:07");
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
    const struct {
        QString line;
        QString printed;
    } rows[] = {
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
    for (const auto& r : rows) EXPECT_EQ(printedColumns(r.line, 2 * tab + 4), r.printed) << r.line.toStdString();
}

class Printing : public testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "NOTICE: pdftotext is missing";
        commands::registerPrintCommands(context, context.registry);
    }
    // Prints `text` through FilePrintClick, the dialog answered with a PDF
    // file; the pages of text pdftotext finds in it.
    QStringList print(std::string_view text)
    {
        context.load(text);
        ui.onModal([this](QDialog& dialog) {
            QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        });
        context.run("FilePrintClick");
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        p.waitForFinished();
        QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
        pages.removeLast();  // after the last page's form feed
        return pages;
    }
    static QStringList lines(const QString& page)
    {
        QStringList out;
        for (const QString& line : page.split(u'\n', Qt::SkipEmptyParts)) out << line.trimmed();
        return out;
    }

    testing_support::ScriptedInteraction ui;
    testing_support::FakeCommandContext context;
    QString pdf = QDir::currentPath() + "/out.pdf";
};

TEST_F(Printing, CancelPrintsNothing)
{
    context.load("text");
    ui.onModal([](QDialog&) { return int(QDialog::Rejected); });
    context.run("FilePrintClick");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Printing, AnEmptyDocumentPrintsTheHeaderAlone)
{
    const QStringList pages = print("");
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(lines(pages[0]).size(), 1);
    EXPECT_TRUE(pages[0].trimmed().startsWith("untitled.html - Quillon Pro ")) << pages[0].toStdString();
}

// A word longer than the page is broken, not cut; a form feed starts a page.
TEST_F(Printing, EveryLaidOutLineIsPrinted)
{
    const std::string word(400, 'w');
    const QStringList pages = print(word + "\r\nbefore\fafter");
    ASSERT_EQ(pages.size(), 2);
    const QStringList first = lines(pages[0]);
    EXPECT_EQ(first.filter("w").join("").size(), int(word.size()));
    EXPECT_EQ(first.last(), "before");
    EXPECT_EQ(lines(pages[1]), QStringList{"after"});
}

// A thousand lines fill pages of equal length: as many lines of a 10-point
// font, 2 pixels apart, as an A4 or Letter page holds, less the room kept at
// the bottom.
TEST_F(Printing, LinesFillWholePages)
{
    std::string text;
    for (int i = 1; i <= 1000; ++i) text += "line " + std::to_string(i) + "\r\n";
    const QStringList pages = print(text);
    ASSERT_GT(pages.size(), 2);
    int total = 0;
    for (const QString& page : pages) total += int(lines(page).size());
    EXPECT_EQ(total, 1 + 1000) << "the header and every line, once";
    const int perPage = int(lines(pages[1]).size());
    for (int i = 1; i + 1 < pages.size(); ++i) EXPECT_EQ(lines(pages[i]).size(), perPage) << "page " << i + 1;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const int pageLines = printer.height() / (QFontMetrics(commands::listingFont(), &printer).height() + 2);
    EXPECT_TRUE(perPage <= pageLines && perPage >= pageLines - 3) << perPage << " of " << pageLines;
}

}  // namespace
