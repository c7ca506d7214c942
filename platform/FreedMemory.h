#pragma once

// Memory the program has freed, given back to the system. The C library keeps freed blocks of
// its heap for later allocations; after letting go of many large images at once (the pages a
// preview drew at a zoom it no longer shows) the program hands them back, so its size follows
// what it holds. Where the C library offers no way, this does nothing.
namespace FreedMemory {
void giveBack();
} // namespace FreedMemory
