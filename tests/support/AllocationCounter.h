#pragma once

// Counts the heap allocations of the executable it is linked into: the C allocation functions
// are replaced by counting ones that forward to the C library's own, and operator new and Qt's
// containers both end up there. Link AllocationCounter.cpp only where counting is wanted.
long AllocationCount();
