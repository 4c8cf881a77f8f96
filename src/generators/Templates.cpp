#include "Templates.h"

#include <QRegularExpression>

#include "markup/TagCase.h"
#include "markup/Text.h"
#include "settings/Options.h"

namespace generators {
namespace {

// The product's home page, linked from the footer of Quick Page.
constexpr const char* kProductHome = "http://www.quillon.example/";

class Page {
public:
    explicit Page(bool lower) : lower_(lower) {}
    // A line of markup folded whole to the tag case.
    Page& line(const char* literal = "") { return text(markup::toTagCase(QString::fromUtf8(literal), lower_)).end(); }
    // The lower- or upper-case form of a line.
    Page& line(const char* lowerForm, const char* upperForm)
    {
        return text(QString::fromUtf8(markup::byTagCase(lower_, lowerForm, upperForm))).end();
    }
    // A piece of markup whose tag and attribute names follow the tag case
    // while quoted values and the text between tags keep theirs.
    Page& tags(const char* literal) { return tags(QString::fromUtf8(literal)); }
    Page& tags(QString piece)
    {
        bool inTag = false, quoted = false;
        for (QChar& c : piece) {
            if (c == u'<') inTag = true;
            if (c == u'>') inTag = quoted = false;
            if (c == u'"' && inTag) quoted = !quoted;
            if (inTag && !quoted && c.unicode() < 0x80)
                c = QChar(markup::asciiCase(static_cast<char>(c.unicode()), lower_));
        }
        return text(piece);
    }
    Page& text(const QString& piece)
    {
        out_ += piece;
        return *this;
    }
    Page& end() { return text(QStringLiteral("\r\n")); }
    QString result() const { return out_; }

private:
    bool lower_;
    QString out_;
};

// The DTD line (none when empty) and the head shared by both templates.
Page head(bool lower, const QString& dtd)
{
    Page p(lower);
    if (!dtd.isEmpty()) p.text(markup::toTagCase(dtd, lower)).end();
    p.line().line("<html>").line("<head>").line().line("  <title></title>");
    p.line("  <meta name=\"keywords\" content=\"\">");
    p.line("  <meta name=\"Generator\" content=\"Quillon Pro\">",
           "  <META NAME=\"GENERATOR\" CONTENT=\"Quillon Pro\">");
    p.line().line("</head>");
    return p;
}

}  // namespace

QString defaultTemplate(const DefaultPage& page)
{
    Page p = head(page.lowerCase, page.dtd);
    auto attribute = [&](const char* name, const QString& value) {
        p.text(u' ' + markup::toTagCase(QString::fromLatin1(name), page.lowerCase) + QStringLiteral("=\"") + value +
               u'"');
    };
    p.text(markup::toTagCase(QStringLiteral("<body"), page.lowerCase));
    if (!page.bgImage.isEmpty()) attribute("background", page.bgImage);
    if (!page.UseDefault) {
        const char* names[kParts] = {"bgcolor", "text", "link", "vlink", "alink"};
        for (int part = 0; part < kParts; ++part) attribute(names[part], page.colours[part]);
    }
    p.text(QStringLiteral(">")).end();
    for (int i = 0; i < 5; ++i) p.line();
    return p.line("</body>").line("</html>").result();
}

QString framesetTemplate(bool lowerCase, const QString& dtd)
{
    Page p = head(lowerCase, dtd);
    p.line().line("<base target=\"\">").line().line("<frameset>");
    p.line("  <frame name=\"\" src=\"\">").line("  <frame name=\"\" src=\"\">").line();
    p.line("    <noframes>")
        .text(QStringLiteral("      <!-- Support for browsers that don't support frames -->"))
        .end();
    return p.line("    </noframes>").line().line("</frameset>").line("</html>").result();
}

QString quickPage(const settings::Options& o, QDate today, const QLocale& locale)
{
    Page p(o.tagCase);
    p.line().line("<html>").line("<head>").line();
    p.tags("  <title>").text(o.name).tags("'s Page</title>").end();
    p.tags("  <meta name=\"keywords\" content=\"\">").end();
    p.tags("  <meta name=\"Generator\" content=\"Quillon Pro\">").end();
    p.line().line("</head>").line().line("<body bgcolor=\"#ffffff\">").line();
    p.tags("<h1>Welcome to ").text(o.name).tags("'s Page.</h1>").end();
    p.line("<hr size=\"2\" noshade><br>").line().tags("<h2>Table of Contents</h2>").end().line("<ul>");
    for (int item = 1; item <= 3; ++item)
        p.tags(QStringLiteral("  <a href=\"#item%1\"><li>Item %1</li></a>").arg(item)).end();
    p.line("</ul>").line().line("<hr size=\"2\" noshade><br><br>").line();
    for (int item = 1; item <= 3; ++item) {
        p.tags(QStringLiteral("<a name=\"item%1\"><h2>Heading %1</h2>").arg(item)).end();
        p.tags(QStringLiteral("<p>Place paragraph %1 information here.</p>").arg(item)).end().line();
    }
    p.tags("<p><b>If you would like to comment on this page send E-Mail to <a href=\"mailto:").text(o.mail);
    p.tags("\">").text(o.mail).tags("</a></b></p>").end().line().line("<p><i><font size=\"-1\">");
    p.text(o.name).tags("<br>").end();
    // Each line of the address is a line of the page; only the last ends in <br>.
    p.text(o.address.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))).join(QStringLiteral("\r\n")));
    p.tags("<br>").end().text(QStringLiteral("Tel: ") + o.phone).tags("<br>").end();
    p.text(QStringLiteral("Fax: ") + o.fax).tags("<br>").end();
    p.tags("<a href=\"").text(o.url).tags("\">").text(o.url).tags("</a><br>").end();
    p.line("</font></i></p>").line().line("<hr size=\"2\" noshade>").line();
    p.tags("<font size=\"-2\">Copyright &copy; ").text(QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0')));
    p.text(QStringLiteral(" - Page created ") + locale.toString(today, QLocale::LongFormat) +
           QStringLiteral(" using "));
    p.tags("<a href=\"").text(QLatin1String(kProductHome)).tags("\">Quillon Pro</a>.</font>").end();
    return p.line().line("</body>").line("</html>").result();
}

}  // namespace generators
