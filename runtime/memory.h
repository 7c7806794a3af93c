#pragma once

#include <cstddef>

// Every block of the program comes from here. A block that cannot be had is fatal: the run
// time reports its size and ends the process, so callers never see a null pointer.
void* AllocateBytes(std::size_t count);
void ReleaseBytes(void* block);
