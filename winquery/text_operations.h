#pragma once

#include "runtime/text.h"

// Text operations of the search. A byte of 0x80 or above leads a two-byte character (code
// page 936) and the byte after it belongs to that character.

// A copy with the ASCII capitals lowered; both bytes of a two-byte character stay as they are.
Text ToLowerText(const Text& text);

// The 1-based byte position of the first occurrence of `needle` that starts on a character
// boundary of `haystack`, or -1. An empty needle is found at 1 in any non-empty haystack.
long long FindText(const Text& haystack, const Text& needle);

// `count` spaces, or the empty Text when the count is below 1.
Text BlankText(int count);
