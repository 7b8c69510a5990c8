#pragma once

namespace corvale {

// Drops the clicks, keys and wheel turns that the window system queued while a
// run kept the window from answering, and delivers everything else that
// waited. Acted on after the run, they would start work nobody asked for: a
// Continue clicked impatiently would run a whole second batch of steps.
void DropQueuedInput();

}  // namespace corvale
