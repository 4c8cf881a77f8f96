// Generated documents for the benchmarks: realistic HTML (tags with attributes,
// text with Latin-1 accented letters, CR LF, now and then a long line), the same
// bytes for the same size on every run. About 80,000 tags per MB. Every
// benchmark of a whole document takes its size in MB as its argument
// (Operation/MB) and uses these documents.
#pragma once

#include <QString>
#include <cstddef>
#include <string>

namespace bench {

// The sizes every whole-document operation is measured at, in MB.
inline constexpr int kSizes[] = {1, 10, 50};

// The document of `megabytes` MB, made once per size and kept for the run.
const std::string& htmlDocument(int megabytes);

// The same document written to a temporary file (removed at exit); its path.
QString htmlDocumentFile(int megabytes);

// The text Replace All searches for, and what it puts in its place.
inline constexpr const char* kFindText = "findme";
inline constexpr const char* kReplaceText = "was found";
// Matches of kFindText per MB of the document: 100,000 in the 10 MB one.
inline constexpr int kMatchesPerMB = 10'000;
// The document with kFindText put before the tag nearest to each of
// kMatchesPerMB evenly spaced places per MB.
const std::string& documentWithMatches(int megabytes);

// The document with its special characters written as entities (somewhat
// longer than `megabytes` MB), the input of HTML-to-special.
const std::string& entityDocument(int megabytes);

// A minified page of `bytes` bytes without a line break: tags with varied
// attributes and text, so that the pieces the control measures rarely repeat.
std::string minifiedPage(size_t bytes);

// The document with its tags converted to upper case, the input of the
// conversion to lower case.
const std::string& upperCaseDocument(int megabytes);

}  // namespace bench

namespace benchmark {
class State;
}

namespace bench {

// Registers `fn` as name/1, name/10 and name/50 (in milliseconds), with a
// fixed number of iterations per repetition at each size (20, 5 and 2): a
// whole-document operation costs the same every time, and its setup (loading
// the document again) stays out of the measured time but not out of the run.
void registerWholeDocument(const char* name, void (*fn)(benchmark::State&));

}  // namespace bench
