#pragma once

#include <cstddef>
#include <cstdint>

// More bytes than any address space can hold.
constexpr std::size_t kImpossibleByteCount = PTRDIFF_MAX;
