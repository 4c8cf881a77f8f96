// The page checker: what is wrong with an HTML page and which of its links,
// images, style sheets, scripts and frames point nowhere on disk. Pure
// functions over the text and the page's folder, safe on any worker thread.
#pragma once

#include <QString>
#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace check {

enum class Severity { Error, Warning, Note };

// One problem: the bytes it is about (the caret goes to `offset` and selects
// `length` bytes), its 1-based line and column (a column counts characters,
// as an editor shows them) and what is wrong, in plain English.
struct Problem {
    size_t offset = 0;
    size_t length = 0;
    int line = 0;
    int column = 0;
    Severity severity = Severity::Error;
    std::string message;
    friend bool operator==(const Problem&, const Problem&) = default;
};

struct CheckOptions {
    bool notes = true;  // elements and attributes obsolete in HTML5
};

// "error", "warning" or "note".
const char* severityName(Severity severity);

// Checks `text` (UTF-8 or not, any line breaks, NUL bytes allowed), the page
// at `pagePath`: relative targets are looked up from its folder; an empty
// path (a page never saved) checks no target. The problems come sorted by
// position. When `cancelled` becomes true the check ends early with what it
// has (the caller throws that away).
std::vector<Problem> checkPage(std::string_view text, const QString& pagePath, const CheckOptions& options,
                               const std::atomic<bool>* cancelled = nullptr);

}  // namespace check
