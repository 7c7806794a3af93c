#include "runtime/memory.h"

#include <cstdlib>

#include "runtime/fatal_error.h"

void* AllocateBytes(std::size_t count) {
  void* block = std::malloc(count == 0 ? 1 : count);
  if (block == nullptr) ReportAllocationFailure(count);
  return block;
}

void ReleaseBytes(void* block) { std::free(block); }
