#pragma once

// Hands memory the program has freed back to the system. The C library keeps freed memory for
// later allocations, so that after a big file is in (its decoded copy and the slices it went
// into the editor in are freed) the process would go on holding tens of megabytes it no longer
// uses. Costs a few milliseconds; does nothing where the C library cannot do it.
void ReturnFreedMemory();

// Has every big block (from 256 KiB on: a text, a slice of a file, a copy of a line) mapped on
// its own, so that freeing it gives it back at once. The C library otherwise raises that bound
// after the first big block is freed and places later ones among the small ones, where the
// holes they leave stay with the process (a 10 MB page peaked at 124 MiB instead of 92).
// Blocks a key press needs (a stretch of a long line is 128 KiB) stay below the bound.
void MapBigBlocksApart();
