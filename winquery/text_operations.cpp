#include "winquery/text_operations.h"

#include <cstring>

namespace {

bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

}  // namespace

Text ToLowerText(const Text& text) {
  Text lowered = Text::CopyUpToNul(text.Bytes(), text.Length());
  unsigned char* bytes = reinterpret_cast<unsigned char*>(lowered.MutableBytes());
  const std::size_t length = lowered.Length();
  for (std::size_t i = 0; i < length; ++i) {
    if (IsLeadByte(bytes[i])) {
      ++i;  // the trail byte is never altered, even when it looks like a capital
    } else if (bytes[i] >= 'A' && bytes[i] <= 'Z') {
      bytes[i] = static_cast<unsigned char>(bytes[i] + 0x20);
    }
  }
  return lowered;
}

long long FindText(const Text& haystack, const Text& needle) {
  const std::size_t length = haystack.Length();
  const std::size_t n = needle.Length();
  if (n == 0) return length != 0 ? 1 : -1;

  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(haystack.Bytes());
  const unsigned char first = static_cast<unsigned char>(needle.Bytes()[0]);
  std::size_t position = 0;
  while (length - position >= n) {
    // The first byte rules out most places before a full comparison is paid for.
    if (bytes[position] == first && std::memcmp(bytes + position, needle.Bytes(), n) == 0) {
      return static_cast<long long>(position) + 1;
    }
    if (IsLeadByte(bytes[position])) {
      if (position + 1 == length) return -1;  // a lead byte with nothing after it
      position += 2;
    } else {
      position += 1;
    }
  }
  return -1;
}

Text BlankText(int count) {
  if (count < 1) return Text();
  Text blank = Text::WithLength(static_cast<std::size_t>(count));
  std::memset(blank.MutableBytes(), ' ', blank.Length());
  return blank;
}
