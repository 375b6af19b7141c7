// Returning freed memory to the system.

#include "FreedMemory.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void MapBigBlocksApart()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    // Fixed bounds end the library's own adjusting of both; freed memory at the heap's end is
    // kept up to a few megabytes, for the next key's allocations.
    mallopt(M_TRIM_THRESHOLD, 4 * 1024 * 1024);
#endif
}

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
