#pragma once

// Hands memory the program has freed back to the system. The C library keeps freed memory for
// later allocations, so that after a big file is in (its decoded copy and the slices it went
// into the editor in are freed) the process would go on holding tens of megabytes it no longer
// uses. Costs a few milliseconds; does nothing where the C library cannot do it.
void ReturnFreedMemory();
