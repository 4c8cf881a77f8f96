#include "commands/Printing.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "commands/CommandContext.h"
#include "commands/CommandModules.h"
#include "commands/CommandRegistry.h"
#include "editor/TextView.h"
#include "interaction/Captions.h"
#include "interaction/Interaction.h"

namespace commands {
namespace {

// A text stream on pages: the printed lines of each document line drawn one
// below the other, a new page when less than two line heights would remain
// below the next line.
class ListingStream {
public:
    ListingStream(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter) {}

    void setFont(const QFont& font)
    {
        painter_.setFont(font);
        metrics_ = QFontMetrics(painter_.font(), painter_.device());
        tabWidth_ = std::max(1, kListingTabColumns * metrics_.averageCharWidth());
    }

    // Writes one line of the document (its characters, no line break).
    void writeLine(QStringView line)
    {
        const auto advance = [this](QChar c) { return metrics_.horizontalAdvance(c); };
        for (const ListingLine& printed : layOutListingLine(line, device_.width(), tabWidth_, advance)) {
            if (printed.newPage || pagePending_) newPage();
            for (const ListingRun& run : printed.runs)
                painter_.drawText(QPointF(run.x, y_ + metrics_.ascent()), run.text);
            // An empty line is as high as the font; a line with text as its
            // tallest text plus two pixels.
            y_ += printed.hasText ? metrics_.height() + 2 : metrics_.height();
            // The page ends here when the next line would leave less than two
            // line heights; the new page begins with that next line.
            if (device_.height() - y_ < 2 * (metrics_.height() + 2)) pagePending_ = true;
        }
    }
    int pages() const { return pages_; }

private:
    void newPage()
    {
        device_.newPage();
        ++pages_;
        y_ = 0;
        pagePending_ = false;
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    QFontMetrics metrics_{QFont()};
    int tabWidth_ = 64;
    int y_ = 0, pages_ = 1;
    bool pagePending_ = false;
};

}  // namespace

std::vector<ListingLine> layOutListingLine(QStringView line, int pageWidth, int tabWidth,
                                           const std::function<int(QChar)>& advance)
{
    std::vector<ListingLine> lines(1);
    QString run;
    int x = 0, runX = 0;
    const auto flush = [&] {
        if (!run.isEmpty()) lines.back().runs.push_back({runX, run});
        run.clear();
    };
    const auto startLine = [&](bool newPage) {
        flush();
        lines.push_back({newPage, false, {}});
        x = 0;
    };
    for (const QChar c : line) {
        if (c == u'\r') continue;
        if (c == u'\f') {
            startLine(true);
            continue;
        }
        const auto width = [&](int from) { return c == u'\t' ? (from / tabWidth + 1) * tabWidth - from : advance(c); };
        int w = width(x);
        // Broken here, the character starts the next line; a tab then stops
        // on that line's own grid.
        if (x > 0 && x + w > pageWidth) {
            startLine(false);
            w = width(0);
        }
        lines.back().hasText = true;
        if (c == u'\t') {
            flush();
        } else {
            if (run.isEmpty()) runX = x;
            run += c;
        }
        x += w;
    }
    flush();
    return lines;
}

QString printHeader(const QString& caption, const QDateTime& now, const QLocale& locale)
{
    const QString suffix = QString::fromLatin1(interaction::TitleSuffix);
    const QString name =
        caption.endsWith(suffix) ? caption.chopped(suffix.size()) : QString::fromLatin1(interaction::kUntitled);
    return name + QStringLiteral("  -  ") + QString::fromLatin1(interaction::kAppTitle) + QLatin1Char(' ') +
           locale.toString(now, QStringLiteral("MMM-dd-yy hh:mm"));
}

QFont headerFont()
{
    QFont font(QStringLiteral("Arial"), 11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont listingFont()
{
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

int printListing(QPagedPaintDevice& device, const QString& header, std::string_view text)
{
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    ListingStream stream(device, painter);
    stream.setFont(headerFont());
    stream.writeLine(header);
    stream.writeLine({});
    stream.setFont(listingFont());
    // Every line of the text, CR LF, LF or a lone CR ending it; after a final
    // line break there is no further line.
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find_first_of("\r\n", from);
        // A lone CR inside a line is not a line break here: it is ignored.
        while (end != std::string_view::npos && text[end] == '\r' && end + 1 < text.size() && text[end + 1] != '\n')
            end = text.find_first_of("\r\n", end + 1);
        const size_t stop = end == std::string_view::npos ? text.size() : end;
        stream.writeLine(QString::fromUtf8(text.data() + from, static_cast<qsizetype>(stop - from)));
        if (end == std::string_view::npos) break;
        from = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    painter.end();
    return stream.pages();
}

// FilePrintClick: the print dialog (the whole document), then the listing.
void registerPrintCommands(CommandContext& context, CommandRegistry& registry)
{
    registry.add(QStringLiteral("FilePrintClick"), [&context] {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, context.window());
        // The whole document, always.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (interaction::ui().runModal(dialog) != QDialog::Accepted) return;
        const QString caption = context.window() ? context.window()->windowTitle() : QString();
        if (printListing(printer, printHeader(caption, QDateTime::currentDateTime(), QLocale()),
                         context.body().characters()) == 0)
            interaction::ui().error(
                QStringLiteral("The document could not be printed on %1.").arg(printer.printerName()));
    });
}

}  // namespace commands
