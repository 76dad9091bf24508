// AllocationCounter.h - the heap bytes the benchmark program holds, counted by
// its own global operator new and delete, so that the memory of a loaded
// document is measured exactly and the same way on every system.
#ifndef ZRVREPORT_BENCH_ALLOCATIONCOUNTER_H
#define ZRVREPORT_BENCH_ALLOCATIONCOUNTER_H

#include <cstddef>

namespace zrvbench {

/// Bytes requested through operator new (every form) and not yet deleted,
/// in the whole program. The size asked for is counted, not the heap's own
/// overhead per block (an over-aligned block counts its alignment padding).
std::size_t LiveHeapBytes();

/// Blocks allocated through operator new (every form) since the start.
std::size_t HeapAllocationCount();

} // namespace zrvbench

#endif // ZRVREPORT_BENCH_ALLOCATIONCOUNTER_H
