#pragma once

// Longest decimal of a 64-bit value: a sign, 20 digits and the NUL.
constexpr int kDecimalBufferSize = 22;

// Write the value as printf's "%lld" / "%llu" would, without the C library's printf, and
// return the length. They allocate nothing, so they also serve the report of a failed
// allocation.
int FormatDecimal(long long value, char (&out)[kDecimalBufferSize]);
int FormatUnsignedDecimal(unsigned long long value, char (&out)[kDecimalBufferSize]);
