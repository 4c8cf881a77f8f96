#include "Printing.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

#include "CommandModules.h"
#include "CommandRegistry.h"
#include "EditorContext.h"
#include "EditorView.h"
#include "interaction/Interaction.h"
#include "markup/Captions.h"

namespace app {
namespace {

// A text stream on pages: lines written left to right, broken where they
// reach the right edge, a new page when less than two line heights would
// remain below the next line.
class ListingStream {
public:
    ListingStream(QPagedPaintDevice& device, QPainter& painter) : device_(device), painter_(painter) {}

    void setFont(const QFont& font)
    {
        painter_.setFont(font);
        metrics_ = QFontMetrics(painter_.font(), painter_.device());
        tabWidth_ = std::max(1, 8 * metrics_.averageCharWidth());
    }

    // Writes one line (its characters, no line break); a form feed in it
    // starts a new page, a carriage return is ignored.
    void writeLine(QStringView line)
    {
        if (pagePending_) newPage();
        for (const QChar c : line) {
            if (c == u'\r') continue;
            if (c == u'\f') {
                endLine();
                newPage();
                continue;
            }
            const int advance = c == u'\t' ? (x_ / tabWidth_ + 1) * tabWidth_ - x_ : metrics_.horizontalAdvance(c);
            if (x_ > 0 && x_ + advance > device_.width()) endLine();
            if (pagePending_) newPage();
            tallest_ = std::max(tallest_, metrics_.height());
            if (c == u'\t') {
                flush();
                segmentX_ = x_ + advance;
            } else {
                segment_ += c;
            }
            x_ += advance;
        }
        endLine();
    }
    int pages() const { return pages_; }

private:
    // Draws the characters collected since the last break, tab or font.
    void flush()
    {
        if (!segment_.isEmpty()) painter_.drawText(QPointF(segmentX_, y_ + metrics_.ascent()), segment_);
        segment_.clear();
        segmentX_ = x_;
    }
    void endLine()
    {
        flush();
        // An empty line is as high as the font; a line with text as its
        // tallest text plus two pixels.
        y_ += tallest_ > 0 ? tallest_ + 2 : metrics_.height();
        x_ = segmentX_ = tallest_ = 0;
        // The page ends here when the next line would leave less than two
        // line heights; the new page begins with that next line.
        if (device_.height() - y_ < 2 * (metrics_.height() + 2)) pagePending_ = true;
    }
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
    QString segment_;
    int tabWidth_ = 64;
    int x_ = 0, y_ = 0, tallest_ = 0, segmentX_ = 0, pages_ = 1;
    bool pagePending_ = false;
};

}  // namespace

QString printHeader(const QString& caption, const QDateTime& now, const QLocale& locale)
{
    const QString suffix = QString::fromLatin1(markup::kTitleSuffix);
    const QString name =
        caption.endsWith(suffix) ? caption.chopped(suffix.size()) : QString::fromLatin1(markup::kUntitled);
    return name + QStringLiteral("  -  ") + QString::fromLatin1(markup::kAppTitle) + QLatin1Char(' ') +
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
void registerPrintCommands(EditorContext& context, CommandRegistry& registry)
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

}  // namespace app
