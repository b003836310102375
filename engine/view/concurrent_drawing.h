#pragma once
// What lets several threads draw components of one page at once.
//
// A component's Draw is not free of writes: it hands its pen, brush and arrow to its elements
// again (InitElements) every time, and builds its outline on first use (ResetPath), which
// replaces the elements altogether. So:
// - outlines are built before the threads start (Prepare, on the thread that owns the
//   document), and a component that still has none afterwards is drawn by that thread alone;
// - one component is drawn by one thread at a time (its lock), since a component that
//   crosses two tiles is drawn for both;
// - only classes whose drawing has been checked to write nothing but their own elements are
//   drawn on other threads; any other class (a subclass may override Draw) is drawn by the
//   owning thread alone.
// Pens, brushes, caps and text layouts are made afresh for every drawing call and the
// settings are only read while the threads run.

#include <mutex>

class CQarnComponent;

namespace Qarn {

// Builds the component's outline when it has none yet (what Draw would do on first use).
void PrepareForDrawing(CQarnComponent* component);
// Whether the component may be drawn on another thread than the document's.
bool CanDrawConcurrently(const CQarnComponent* component);
// The lock held while the component is being drawn on a drawing thread.
std::mutex& DrawLockOf(const CQarnComponent* component);

}  // namespace Qarn
