#pragma once

#include <cstddef>

// Prepares the heap for a short process that fills tens of megabytes of fresh picture
// buffers once (the command line's export): that memory is handed out in large pages, so
// touching it costs a few page faults instead of thousands. Call it once, before the
// pictures are read and before any other thread allocates. Where the system or its C
// library offers no way to do this it does nothing, and where the large pages cannot be had
// the memory is as before; either way the results are the same.
void prepareWorkingMemory(std::size_t bytes);
