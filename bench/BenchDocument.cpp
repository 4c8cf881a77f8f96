#include "BenchDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace bench {
namespace {

// A small deterministic generator (xorshift), so every run sees the same bytes.
struct Rng {
    unsigned state = 2463534242u;
    unsigned next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
};

const char* const kWords[] = {"caf\xc3\xa9", "na\xc3\xafve", "d\xc3\xa9j\xc3\xa0", "text", "page", "the",
                              "\xc2\xa9", "r\xc3\xa9sum\xc3\xa9", "editor", "and", "Stra\xc3\x9f" "e", "more"};

std::string make(size_t bytes)
{
    Rng rng;
    std::string out;
    out.reserve(bytes + 4096);
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n<html>\r\n<head>\r\n"
           "<title>Benchmark</title>\r\n</head>\r\n<body bgcolor=\"c0c0c0\">\r\n";
    auto word = [&] { return kWords[rng.next() % (sizeof kWords / sizeof *kWords)]; };
    while (out.size() < bytes) {
        const unsigned kind = rng.next() % 100;
        if (kind < 2) {
            // A long line, as minified markup has: 8 KB of inline tags.
            const size_t end = out.size() + 8192;
            while (out.size() < end) {
                out += "<span class=\"s\">";
                out += word();
                out += "</span>";
            }
            out += "\r\n";
        } else if (kind < 60) {
            out += "<p class=\"c";
            out += std::to_string(rng.next() % 40);
            out += "\">";
            out += word();
            out += " <b>";
            out += word();
            out += "</b> ";
            out += word();
            out += " <a href=\"page";
            out += std::to_string(rng.next() % 900);
            out += ".html\">";
            out += word();
            out += "</a></p>\r\n";
        } else if (kind < 85) {
            out += "<tr><td align=\"left\">";
            out += word();
            out += "</td><td>";
            out += word();
            out += "</td></tr>\r\n";
        } else {
            out += "<img src=\"images/i";
            out += std::to_string(rng.next() % 100);
            out += ".gif\" width=\"10\" height=\"10\" alt=\"";
            out += word();
            out += "\"><br>\r\n";
        }
    }
    out += "</body>\r\n</html>\r\n";
    return out;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

const std::string& htmlDocument(int megabytes)
{
    static std::map<int, std::unique_ptr<std::string>> cache;
    auto& slot = cache[megabytes];
    if (!slot) slot = std::make_unique<std::string>(make(static_cast<size_t>(megabytes) << 20));
    return *slot;
}

QString htmlDocumentFile(int megabytes)
{
    const QString path = folder().path() + QStringLiteral("/doc%1mb.html").arg(megabytes);
    if (!QFile::exists(path)) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) {
            const std::string& doc = htmlDocument(megabytes);
            f.write(doc.data(), static_cast<qint64>(doc.size()));
        }
    }
    return path;
}

}  // namespace bench
