// The tags of a page as the checker reads them: each start or end tag with its
// name and attributes (names lower-cased, values as written, with their byte
// positions), skipping comments, declarations and the raw text of script and
// style elements. A lenient reading: the grammar's errors are the markup
// check's business, not this scan's.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace check {

struct Attribute {
    std::string name;        // lower case
    std::string_view value;  // as written, without quotes
    size_t nameAt = 0;       // where the name starts
    size_t end = 0;          // one past the value (and its closing quote)
    size_t valueAt = 0;      // where the value starts (nameAt + name length when none)
};

struct Tag {
    std::string name;  // lower case, without "/"
    bool isEnd = false;
    size_t start = 0;  // the "<"
    size_t end = 0;    // one past the ">" (or the end of the text)
    std::vector<Attribute> attributes;
    const Attribute* find(std::string_view attributeName) const;
};

// Calls visit(tag) for each tag, left to right, until it returns false.
// Calls stray(offset) for each "<" that starts no tag, comment or declaration.
void scanTags(std::string_view text, const std::function<bool(const Tag&)>& visit,
              const std::function<void(size_t)>& stray = {});

}  // namespace check
