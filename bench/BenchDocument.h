// Generated documents for the benchmarks: realistic HTML (tags with attributes,
// text with Latin-1 accented letters, CR LF, now and then a long line), the same
// bytes for the same size on every run. About 80,000 tags per MB.
#pragma once

#include <QString>
#include <cstddef>
#include <string>

namespace bench {

// The document of `megabytes` MB, made once per size and kept for the run.
const std::string& htmlDocument(int megabytes);

// The same document written to a temporary file (removed at exit); its path.
QString htmlDocumentFile(int megabytes);

}  // namespace bench
