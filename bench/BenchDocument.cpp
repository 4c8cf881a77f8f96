// The deterministic benchmark documents and their derived forms.
#include "BenchDocument.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <random>

#include "markup/Entities.h"
#include "markup/TagCaseConversion.h"

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

const char* const kWords[] = {"caf\xc3\xa9",
                              "na\xc3\xafve",
                              "d\xc3\xa9j\xc3\xa0",
                              "text",
                              "page",
                              "the",
                              "\xc2\xa9",
                              "r\xc3\xa9sum\xc3\xa9",
                              "editor",
                              "and",
                              "Stra\xc3\x9f"
                              "e",
                              "more"};

std::string make(size_t bytes)
{
    Rng rng;
    std::string out;
    out.reserve(bytes + 4096);
    out +=
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n<html>\r\n<head>\r\n"
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

// A document of each size made by `make`, kept for the run.
using Cache = std::map<int, std::unique_ptr<std::string>>;
const std::string& cached(Cache& cache, int megabytes, const std::function<std::string(int)>& maker)
{
    auto& slot = cache[megabytes];
    if (!slot) slot = std::make_unique<std::string>(maker(megabytes));
    return *slot;
}

std::string withMatches(int megabytes)
{
    const std::string& doc = htmlDocument(megabytes);
    const size_t matches = static_cast<size_t>(kMatchesPerMB) * static_cast<size_t>(megabytes);
    const size_t step = doc.size() / matches;
    const std::string_view find = kFindText;
    std::string out;
    out.reserve(doc.size() + matches * find.size());
    size_t copied = 0;
    for (size_t i = 0; i < matches; ++i) {
        const size_t tag = doc.find('<', std::max(copied, i * step));
        if (tag == std::string::npos) break;
        out.append(doc, copied, tag - copied).append(find);
        copied = tag;
    }
    out.append(doc, copied);
    return out;
}

}  // namespace

const std::string& htmlDocument(int megabytes)
{
    static Cache cache;
    return cached(cache, megabytes, [](int mb) { return make(static_cast<size_t>(mb) << 20); });
}

const std::string& documentWithMatches(int megabytes)
{
    static Cache cache;
    return cached(cache, megabytes, withMatches);
}

const std::string& entityDocument(int megabytes)
{
    static Cache cache;
    return cached(cache, megabytes, [](int mb) { return markup::SpecialToHtml(htmlDocument(mb)); });
}

const std::string& upperCaseDocument(int megabytes)
{
    static Cache cache;
    return cached(cache, megabytes, [](int mb) { return markup::convertTagCase(htmlDocument(mb), true).text; });
}

// A minified page of `bytes` bytes without a line break: tags with varied
// attributes and text, so that the segments the control measures rarely repeat.
std::string minifiedPage(size_t bytes)
{
    static const char* const words[] = {
        "the",    "page",    "caf\xC3\xA9", "menu",         "item",    "price", "about", "news",
        "search", "login",   "footer",      "na\xC3\xAFve", "product", "shop",  "cart",  "12,50\xE2\x82\xAC",
        "terms",  "privacy", "home",        "blog"};
    std::mt19937 random(42);
    const auto word = [&] { return std::string(words[random() % std::size(words)]); };
    const auto number = [&](unsigned below) { return std::to_string(random() % below); };
    std::string s;
    s.reserve(bytes + 256);
    while (s.size() < bytes) {
        switch (random() % 6) {
            case 0:
                s += "<div class=\"c" + number(500) + " " + word() + "-" + number(50) + "\">";
                break;
            case 1:
                s += "<a href=\"/" + word() + "/" + word() + "-" + number(10000) + ".html\" title=\"" + word() + "\">" +
                     word() + "</a>";
                break;
            case 2:
                for (unsigned i = 0, n = 3 + random() % 12; i < n; ++i) s += word() + " ";
                break;
            case 3:
                s += "<span data-id=\"" + number(1000000) + "\">" + word() + "</span>";
                break;
            case 4:
                s += "<img src=\"/img/" + word() + number(1000) + ".png\" alt=\"" + word() + "\">";
                break;
            default:
                s += "</div>";
                break;
        }
    }
    return s;
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

void registerWholeDocument(const char* name, void (*fn)(benchmark::State&))
{
    for (const int mb : kSizes)
        benchmark::RegisterBenchmark(name, fn)
            ->Arg(mb)
            ->Iterations(mb == 1    ? 20
                         : mb == 10 ? 5
                                    : 2)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace bench
