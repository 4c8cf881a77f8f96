// libtidy behind the grammar check: one document per call, messages taken
// through its callback, never its cleaned output.
#include "check/MarkupErrors.h"

#include <tidy.h>
#include <tidybuffio.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "markup/Text.h"

namespace check {
namespace {

// The library's messages we keep, by key, and how grave each is. Others are
// dropped unless the library calls them errors: it also reports what it would
// tidy (implicit tags, empty elements) and what the checker finds itself
// (missing alt, obsolete elements).
struct KeptMessage {
    const char* key;
    Severity severity;
};
constexpr KeptMessage kKept[] = {
    {"MISSING_ENDTAG_BEFORE", Severity::Error},   {"MISSING_ENDTAG_FOR", Severity::Error},
    {"DISCARDING_UNEXPECTED", Severity::Error},   {"REPEATED_ATTRIBUTE", Severity::Error},
    {"UNKNOWN_ENTITY", Severity::Error},          {"NON_MATCHING_ENDTAG", Severity::Error},
    {"COERCE_TO_ENDTAG", Severity::Error},        {"UNEXPECTED_ENDTAG", Severity::Error},
    {"UNEXPECTED_ENDTAG_IN", Severity::Error},    {"TOO_MANY_ELEMENTS", Severity::Error},
    {"TOO_MANY_ELEMENTS_IN", Severity::Error},    {"ILLEGAL_NESTING", Severity::Error},
    {"UNEXPECTED_END_OF_FILE", Severity::Error},  {"UNEXPECTED_END_OF_FILE_ATTR", Severity::Error},
    {"UNEXPECTED_GT", Severity::Error},           {"MALFORMED_COMMENT", Severity::Error},
    {"MISSING_STARTTAG", Severity::Error},        {"DUPLICATE_FRAMESET", Severity::Error},
    {"MISSING_QUOTEMARK", Severity::Error},       {"UNEXPECTED_QUOTEMARK", Severity::Error},
    {"NESTED_EMPHASIS", Severity::Warning},       {"MISSING_SEMICOLON", Severity::Warning},
    {"MISSING_SEMICOLON_NCR", Severity::Warning}, {"UNKNOWN_ELEMENT", Severity::Warning},
    {"UNESCAPED_AMPERSAND", Severity::Warning},   {"INVALID_UTF8", Severity::Warning},
    {"INVALID_NCR", Severity::Warning},           {"MISSING_DOCTYPE", Severity::Warning},
    {"MISSING_TITLE_ELEMENT", Severity::Warning}, {"NESTED_QUOTATION", Severity::Warning},
    {"BAD_CDATA_CONTENT", Severity::Warning},
};
constexpr const char* kDropped[] = {"MISSING_ATTRIBUTE",   "OBSOLETE_ELEMENT",      "REPLACING_ELEMENT",
                                    "PROPRIETARY_ELEMENT", "PROPRIETARY_ATTRIBUTE", "TRIM_EMPTY_ELEMENT"};

std::optional<Severity> severityOf(const char* key, TidyReportLevel level)
{
    for (const KeptMessage& kept : kKept)
        if (std::strcmp(kept.key, key) == 0) return kept.severity;
    for (const char* dropped : kDropped)
        if (std::strcmp(dropped, key) == 0) return std::nullopt;
    if (level == TidyError || level == TidyBadDocument || level == TidyFatal) return Severity::Error;
    return std::nullopt;
}

struct Collected {
    int line = 0, column = 0;
    Severity severity = Severity::Error;
    std::string message;
};
struct Collection {
    std::vector<Collected> found;
};

Bool TIDY_CALL collect(TidyMessage message)
{
    auto* collection = static_cast<Collection*>(tidyGetAppData(tidyGetMessageDoc(message)));
    const auto severity = severityOf(tidyGetMessageKey(message), tidyGetMessageLevel(message));
    if (severity && static_cast<int>(collection->found.size()) < kMostMarkupProblems)
        collection->found.push_back(
            {tidyGetMessageLine(message), tidyGetMessageColumn(message), *severity, tidyGetMessageDefault(message)});
    return no;  // nothing goes to the library's own error output
}

// The library's documents share its message tables: making and releasing them
// one at a time keeps workers from racing there.
std::mutex& libraryLock()
{
    static std::mutex lock;
    return lock;
}

TidyDoc newDocument(Collection* collection)
{
    const std::lock_guard guard(libraryLock());
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, collection);
    tidySetMessageCallback(doc, collect);
    tidyOptSetInt(doc, TidyTabSize, 1);  // a tab is one column, as in the editor
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetInt(doc, TidyShowErrors, kMostMarkupProblems);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidySetInCharEncoding(doc, "utf8");
    return doc;
}

void releaseDocument(TidyDoc doc)
{
    const std::lock_guard guard(libraryLock());
    tidyRelease(doc);
}

// Where the page's document type declaration starts, when one comes before
// the first element (after comments and processing instructions only).
std::optional<size_t> declarationAt(std::string_view text)
{
    for (size_t p = 0; (p = markup::findByte(text, '<', p)) != std::string_view::npos;) {
        if (markup::startsWithIgnoringAsciiCase(text, p, "<!doctype")) return p;
        if (text.substr(p, 4) == "<!--") {
            p = text.find("-->", p + 4);
        } else if (text.substr(p, 2) == "<?") {
            p = markup::findByte(text, '>', p);
        } else {
            return std::nullopt;
        }
        if (p == std::string_view::npos) return std::nullopt;
    }
    return std::nullopt;
}

// The text as the library is to read it: with an older document type (HTML
// 3.2, 4.01, XHTML) declared, the library checks by that grammar instead of
// HTML5's, as no browser does, and one table row outside a table becomes an
// implied table that swallows the rest of the page, with two messages for
// every element after it (2.2 s against 0.8 s on the 10 MB benchmark page).
// Such a declaration is rewritten in a copy to "<!DOCTYPE html", padded with
// spaces and keeping its line breaks, so that every place after it stays put.
std::optional<std::string> readAsHtml5(std::string_view text)
{
    constexpr std::string_view kHtml5 = " html";
    const std::optional<size_t> at = declarationAt(text);
    if (!at) return std::nullopt;
    const size_t from = *at + std::string_view("<!doctype").size();
    const size_t close = markup::findByte(text, '>', from);
    if (close == std::string_view::npos || close - from <= kHtml5.size()) return std::nullopt;
    std::string copy(text);
    for (size_t p = from; p < close; ++p)
        if (copy[p] != '\n' && copy[p] != '\r') copy[p] = ' ';
    copy.replace(from, kHtml5.size(), kHtml5);
    return copy;
}

bool isNameByte(char c)
{
    return markup::isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '#';
}

}  // namespace

size_t extentAt(std::string_view text, size_t offset)
{
    if (offset >= text.size()) return 0;
    if (text[offset] == '<') {
        const size_t close = text.find_first_of("<>", offset + 1);
        if (close != std::string_view::npos && text[close] == '>') return close + 1 - offset;
        return 1;
    }
    if (text[offset] == '&') {
        size_t end = offset + 1;
        while (end < text.size() && isNameByte(text[end])) ++end;
        return end < text.size() && text[end] == ';' ? end + 1 - offset : end - offset;
    }
    return 1;
}

void addMarkupErrors(std::string_view text, const TextLines& lines, std::vector<Problem>& problems)
{
    Collection collection;
    TidyDoc doc = newDocument(&collection);
    const std::optional<std::string> html5 = readAsHtml5(text);
    const std::string_view read = html5 ? std::string_view(*html5) : text;
    TidyBuffer input;
    tidyBufInit(&input);
    // The library reads the buffer and never writes it.
    tidyBufAttach(&input, reinterpret_cast<byte*>(const_cast<char*>(read.data())), static_cast<uint>(read.size()));
    tidyParseBuffer(doc, &input);
    tidyBufDetach(&input);
    releaseDocument(doc);

    // In order of place, so that places on one long line are found in one walk.
    std::ranges::stable_sort(collection.found, [](const Collected& a, const Collected& b) {
        return std::tie(a.line, a.column) < std::tie(b.line, b.column);
    });
    for (Collected& c : collection.found) {
        Problem p;
        p.offset = c.line > 0 ? lines.offsetOf(c.line, std::max(c.column, 1)) : 0;
        p.length = extentAt(text, p.offset);
        p.severity = c.severity;
        p.message = std::move(c.message);
        problems.push_back(std::move(p));
    }
}

}  // namespace check
