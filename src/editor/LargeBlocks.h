// Memory for large blocks: a document's text and styles in the control, a file
// read whole, the result of a whole-document pass.
//
// Touching fresh memory costs one page fault per page, and on virtual machines
// a fault can cost tens of microseconds. Every block comes from malloc's heap,
// and freed memory is kept there for the next large block instead of being
// handed back to the system at once: at least kKeptFreeBytes, and eight times
// the size of the document being edited (a whole-document pass that can be
// undone briefly holds about six copies of the text: the old and the new text
// in the undo history, the pass's result, the control's text and styles as they
// grow). Large blocks are deliberately not asked onto transparent huge pages:
// on a virtual machine that hands freed memory back to its host, a fresh huge
// page costs the host's work of backing 2 MB, and a 50 MB start took twice as
// long with them (docs/PERFORMANCE.md).
#pragma once

#include <cstddef>

namespace editor {

// Freed memory kept by the process for reuse at the least; beyond what is
// kept, memory goes back to the system.
inline constexpr std::size_t kKeptFreeBytes = std::size_t(64) << 20;
inline constexpr std::size_t kKeptPerDocumentByte = 8;

// Makes malloc keep freed memory for the rest of the run; called once at
// start, before the first document is loaded (the tests run without it).
void setUpMemoryForLargeDocuments();

// The document now edited has `documentBytes` bytes: sets how much freed
// memory is kept, and when that is less than before, hands the rest back to
// the system now. Does nothing unless the memory was set up.
void keepFreedMemoryFor(std::size_t documentBytes);

}  // namespace editor
