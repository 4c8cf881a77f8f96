// Memory for large blocks: a document's text and styles in the control, a file
// read whole, the result of a whole-document pass.
//
// Touching fresh memory costs one page fault per 4 KB page. On ordinary
// hardware that is cheap, but on virtual machines a fault can cost tens of
// microseconds: measured about 8 ms per MB, so that page faults took most of
// the time of opening a 10 MB document. Two measures, both measured in
// docs/PERFORMANCE.md:
// - large blocks go on 2 MB boundaries and are marked for the system's
//   transparent huge pages, which take 512 times fewer faults;
// - every block comes from malloc's heap, and freed memory is kept there for
//   the next large block instead of being handed back to the system at once:
//   at least kKeptFreeBytes, and eight times the size of the document being
//   edited (a whole-document pass that can be undone briefly holds about six
//   copies of the text: the old and the new text in the undo history, the
//   pass's result, the control's text and styles as they grow).
#pragma once

#include <cstddef>

namespace editor {

// Blocks from this size on are put on huge pages.
inline constexpr std::size_t kLargeBlockBytes = std::size_t(2) << 20;
// Freed memory kept by the process for reuse at the least; beyond what is
// kept, memory goes back to the system.
inline constexpr std::size_t kKeptFreeBytes = std::size_t(64) << 20;
inline constexpr std::size_t kKeptPerDocumentByte = 8;

// Turns both measures on for the rest of the run; called once at start,
// before the first document is loaded. Without it, operator new is plain
// malloc (as in the tests).
void setUpMemoryForLargeDocuments();

// The document now edited has `documentBytes` bytes: sets how much freed
// memory is kept, and when that is less than before, hands the rest back to
// the system now. Does nothing unless the memory was set up.
void keepFreedMemoryFor(std::size_t documentBytes);

}  // namespace editor
