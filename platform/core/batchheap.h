#pragma once
// Memory set-up for programs that read a large design, work on it once and exit.

namespace tb {

// Every block comes from the heap, large ones included, and freed memory stays with the
// process for the next block instead of going back to the system, whose first touch of fresh
// pages would come again each time. Call before other threads exist.
void KeepFreedMemory();

// Lets the heap grow in large pages and keep what is freed. A 10,000-button design touches
// about 200 MB in small blocks; on virtual machines each first touch of a small page costs
// microseconds, which came to more than half of a command's time. Call once at the start of
// main, before other threads exist. Where large pages are unavailable this changes nothing.
void UseHeapForBatchWork();

} // namespace tb
