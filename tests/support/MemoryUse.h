#pragma once
// How much memory this process holds, for the soak and the memory benchmarks.

// Resident memory of this process, in KiB.
double residentKiB();

// Bytes held from the allocator, in KiB: a leak shows here as steady growth, while the
// resident memory also moves with the allocator's free lists.
double heapInUseKiB();
