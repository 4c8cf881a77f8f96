// The checks no library makes (ids, alt texts, image sizes, targets on disk,
// obsolete markup) in one tag scan, then the grammar check, then everything
// sorted and placed on lines and columns.
#include "check/PageCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <unordered_map>

#include "check/ImageSize.h"
#include "check/MarkupErrors.h"
#include "check/TagScan.h"
#include "check/TextLines.h"
#include "markup/Text.h"

namespace check {
namespace {

// Beyond this many problems a page is listed no further.
constexpr size_t kMostProblems = 10000;

template <size_t N>
bool isOneOf(std::string_view word, const char* const (&words)[N])
{
    return std::ranges::find(words, word) != std::end(words);
}

constexpr const char* kObsoleteElements[] = {
    "acronym",  "applet",    "basefont", "bgsound", "big",     "blink",   "center",   "dir",  "font",
    "frame",    "frameset",  "isindex",  "keygen",  "listing", "marquee", "multicol", "nobr", "noembed",
    "noframes", "plaintext", "rb",       "rtc",     "spacer",  "strike",  "tt",       "xmp"};
constexpr const char* kObsoleteAttributes[] = {"alink",     "background",   "bgcolor",     "cellpadding", "cellspacing",
                                               "clear",     "compact",      "frameborder", "hspace",      "language",
                                               "link",      "marginheight", "marginwidth", "noshade",     "nowrap",
                                               "scrolling", "text",         "valign",      "vlink",       "vspace"};
// Elements that take no end tag, or may leave it out: not counted in the nesting.
constexpr const char* kUnnested[] = {
    "area",  "base", "br",       "col",   "embed",  "hr",       "img", "input", "link", "meta",   "param",    "source",
    "track", "wbr",  "basefont", "frame", "keygen", "p",        "li",  "dt",    "dd",   "option", "optgroup", "tr",
    "td",    "th",   "thead",    "tbody", "tfoot",  "colgroup", "rt",  "rp",    "html", "head",   "body"};

// Parts of a table a browser drops, leaving their text loose, where no table is open.
constexpr const char* kTableParts[] = {"tr", "td", "th", "thead", "tbody", "tfoot", "caption", "colgroup", "col"};

// The attributes that name another file, by element.
struct TargetAttribute {
    const char* element;
    const char* attribute;
};
constexpr TargetAttribute kTargets[] = {{"a", "href"},     {"area", "href"},  {"link", "href"},  {"img", "src"},
                                        {"script", "src"}, {"frame", "src"},  {"iframe", "src"}, {"embed", "src"},
                                        {"source", "src"}, {"input", "src"},  {"audio", "src"},  {"video", "src"},
                                        {"track", "src"},  {"object", "data"}};

bool isHtmlFileName(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix.startsWith(QLatin1String("htm")) || suffix.startsWith(QLatin1String("shtm")) ||
           suffix == QLatin1String("xhtml");
}

// "http:", "mailto:", "data:" ...: a URL the checker never fetches.
bool hasScheme(std::string_view v)
{
    if (v.empty() || !markup::isAsciiLetter(v[0])) return false;
    for (const char c : v.substr(1)) {
        if (c == ':') return true;
        if (!(markup::isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')) return false;
    }
    return false;
}

std::string_view trimmed(std::string_view v)
{
    while (!v.empty() && static_cast<unsigned char>(v.front()) <= ' ') v.remove_prefix(1);
    while (!v.empty() && static_cast<unsigned char>(v.back()) <= ' ') v.remove_suffix(1);
    return v;
}

std::optional<int> wholeNumber(std::string_view v)
{
    int n = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (error != std::errc() || end != v.data() + v.size() || v.empty()) return std::nullopt;
    return n;
}

std::string decoded(std::string_view v)
{
    return QByteArray::fromPercentEncoding(QByteArray(v.data(), static_cast<qsizetype>(v.size()))).toStdString();
}

std::string inQuotes(std::string_view v)
{
    return '"' + std::string(v) + '"';
}

// The ids and anchor names a page offers as "#fragment" targets.
std::set<std::string, std::less<>> anchorsOf(std::string_view text)
{
    std::set<std::string, std::less<>> anchors;
    scanTags(text, [&](const Tag& tag) {
        if (tag.isEnd) return true;
        if (const Attribute* id = tag.find("id")) anchors.emplace(id->value);
        if (tag.name == "a")
            if (const Attribute* name = tag.find("name")) anchors.emplace(name->value);
        return true;
    });
    return anchors;
}

class PageChecker {
public:
    PageChecker(std::string_view text, const QString& pagePath, const CheckOptions& options,
                const std::atomic<bool>* cancelled)
        : text_(text), options_(options), cancelled_(cancelled), lines_(text)
    {
        if (!pagePath.isEmpty()) folder_ = QFileInfo(pagePath).absolutePath();
    }

    std::vector<Problem> run()
    {
        scanTags(
            text_, [this](const Tag& tag) { return visit(tag); },
            [this](size_t at) { add(at, 1, Severity::Error, "\"<\" starts no tag: write &lt; for a \"<\" in text"); });
        checkSamePageFragments();
        if (isCancelled()) return {};
        if (text_.size() > kLargestMarkupCheck) {
            add(0, 0, Severity::Warning, "the page is larger than 32 MB: its markup was not checked");
        } else if (deepest_ > kDeepestNesting) {
            add(tooDeepAt_, extentAt(text_, tooDeepAt_), Severity::Warning,
                "elements are nested more than " + std::to_string(kDeepestNesting) +
                    " deep here: the markup was not checked");
        } else {
            addMarkupErrors(text_, lines_, problems_);
        }
        return placed();
    }

private:
    bool isCancelled() const { return cancelled_ && cancelled_->load(std::memory_order_relaxed); }

    void add(size_t offset, size_t length, Severity severity, std::string message)
    {
        if (severity == Severity::Note && !options_.notes) return;
        if (problems_.size() >= kMostProblems) return;
        problems_.push_back({offset, length, 0, 0, severity, std::move(message)});
    }
    void addAt(const Tag& tag, Severity severity, std::string message)
    {
        add(tag.start, tag.end - tag.start, severity, std::move(message));
    }
    void addAt(const Attribute& a, Severity severity, std::string message)
    {
        add(a.nameAt, a.end - a.nameAt, severity, std::move(message));
    }

    bool visit(const Tag& tag)
    {
        if (isCancelled()) return false;
        countNesting(tag);
        checkTablePart(tag);
        if (tag.isEnd) return true;
        if (isOneOf(tag.name, kObsoleteElements)) addAt(tag, Severity::Note, "<" + tag.name + "> is obsolete in HTML5");
        for (const Attribute& a : tag.attributes)
            if (isOneOf(a.name, kObsoleteAttributes))
                addAt(a, Severity::Note, "the " + a.name + " attribute is obsolete in HTML5");
        if (const Attribute* id = tag.find("id"); id && !id->value.empty()) noteId(*id);
        if (tag.name == "a")
            if (const Attribute* name = tag.find("name")) anchors_.emplace(name->value);
        if (tag.name == "img" && !tag.find("alt")) addAt(tag, Severity::Warning, "<img> has no alt attribute");
        for (const TargetAttribute& t : kTargets)
            if (tag.name == t.element)
                if (const Attribute* a = tag.find(t.attribute)) checkTarget(tag, *a);
        return true;
    }

    void countNesting(const Tag& tag)
    {
        if (isOneOf(tag.name, kUnnested)) return;
        depth_ = tag.isEnd ? std::max(depth_ - 1, 0) : depth_ + 1;
        if (depth_ > deepest_) {
            deepest_ = depth_;
            if (deepest_ == kDeepestNesting + 1) tooDeepAt_ = tag.start;
        }
    }

    // The grammar check says nothing of a row or cell outside any table. A
    // stray part is told once: the parts inside it, up to its end tag, are not.
    void checkTablePart(const Tag& tag)
    {
        if (tag.name == "table" || tag.name == "template") {
            openTables_ = tag.isEnd ? std::max(openTables_ - 1, 0) : openTables_ + 1;
        } else if (!strayPart_.empty()) {
            if (tag.isEnd && tag.name == strayPart_) strayPart_.clear();
        } else if (!tag.isEnd && openTables_ == 0 && isOneOf(tag.name, kTableParts)) {
            addAt(tag, Severity::Error, "<" + tag.name + "> is outside any table");
            if (tag.name != "col") strayPart_ = tag.name;  // col has no end tag
        }
    }

    void noteId(const Attribute& id)
    {
        const auto [first, isNew] = ids_.try_emplace(std::string(id.value), id.nameAt);
        anchors_.emplace(id.value);
        if (!isNew)
            addAt(id, Severity::Error,
                  "duplicate id " + inQuotes(id.value) + " (first on line " +
                      std::to_string(lines_.lineOf(first->second)) + ")");
    }

    void checkTarget(const Tag& tag, const Attribute& a)
    {
        const std::string_view value = trimmed(a.value);
        if (value.empty() || hasScheme(value) || value.starts_with("//")) return;
        const size_t hash = value.find('#');
        const std::string_view fragment = hash == std::string_view::npos ? "" : value.substr(hash + 1);
        const std::string_view path = value.substr(0, std::min(hash, value.find('?')));
        if (path.empty()) {
            if (!fragment.empty()) samePage_.push_back(Fragment{a, std::string(fragment)});
            return;
        }
        // A path from the site's root needs a root the checker does not know.
        if (folder_.isEmpty() || path.starts_with('/')) return;
        const QString file = QDir::cleanPath(folder_ + QLatin1Char('/') + QString::fromStdString(decoded(path)));
        const QFileInfo info(file);
        if (!info.exists()) {
            addAt(a, Severity::Error, "the target " + inQuotes(path) + " does not exist");
            return;
        }
        if (!fragment.empty() && info.isFile() && isHtmlFileName(file) && !offers(file, decoded(fragment)))
            addAt(a, Severity::Error, "no id or name " + inQuotes(fragment) + " in " + inQuotes(path));
        if (tag.name == "img" && info.isFile()) checkImageSize(tag, file, path);
    }

    bool offers(const QString& file, const std::string& fragment)
    {
        auto found = otherPages_.find(file);
        if (found == otherPages_.end()) {
            QFile page(file);
            QByteArray bytes;
            if (page.open(QIODevice::ReadOnly)) bytes = page.read(kLargestMarkupCheck);
            found = otherPages_.emplace(file, anchorsOf(std::string_view(bytes.constData(), bytes.size()))).first;
        }
        return found->second.contains(fragment);
    }

    void checkImageSize(const Tag& tag, const QString& file, std::string_view path)
    {
        const auto size = imageSizeOfFile(file);
        if (!size) return;
        const auto compare = [&](const char* name, int actual, const char* measure) {
            const Attribute* a = tag.find(name);
            if (!a) return;
            const auto given = wholeNumber(trimmed(a->value));
            if (given && *given != actual)
                addAt(*a, Severity::Warning,
                      std::string(name) + "=" + inQuotes(a->value) + " but " + inQuotes(path) + " is " +
                          std::to_string(actual) + " pixels " + measure);
        };
        compare("width", size->width, "wide");
        compare("height", size->height, "high");
    }

    void checkSamePageFragments()
    {
        for (const Fragment& f : samePage_) {
            // "#top" goes to the top of any page that names nothing so.
            const std::string name = decoded(f.name);
            if (!anchors_.contains(name) && name != "top")
                add(f.at, f.length, Severity::Error, "no id or name " + inQuotes(f.name) + " on this page");
        }
    }

    std::vector<Problem> placed()
    {
        std::ranges::stable_sort(problems_, [](const Problem& a, const Problem& b) { return a.offset < b.offset; });
        problems_.erase(std::unique(problems_.begin(), problems_.end()), problems_.end());
        for (Problem& p : problems_) {
            p.line = lines_.lineOf(p.offset);
            p.column = lines_.columnOf(p.offset);
        }
        return std::move(problems_);
    }

    struct Fragment {
        Fragment() = default;
        Fragment(const Attribute& a, std::string n) : at(a.nameAt), length(a.end - a.nameAt), name(std::move(n)) {}
        size_t at = 0, length = 0;
        std::string name;
    };

    std::string_view text_;
    const CheckOptions& options_;
    const std::atomic<bool>* cancelled_;
    TextLines lines_;
    QString folder_;
    std::vector<Problem> problems_;
    std::unordered_map<std::string, size_t> ids_;
    std::set<std::string, std::less<>> anchors_;
    std::vector<Fragment> samePage_;
    std::map<QString, std::set<std::string, std::less<>>> otherPages_;
    int depth_ = 0, deepest_ = 0;
    size_t tooDeepAt_ = 0;
    int openTables_ = 0;
    std::string strayPart_;  // the stray table part whose end tag is awaited
};

}  // namespace

const char* severityName(Severity severity)
{
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            return "note";
    }
    return "error";
}

std::vector<Problem> checkPage(std::string_view text, const QString& pagePath, const CheckOptions& options,
                               const std::atomic<bool>* cancelled)
{
    return PageChecker(text, pagePath, options, cancelled).run();
}

}  // namespace check
