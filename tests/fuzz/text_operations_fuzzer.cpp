// Arbitrary bytes through ToLowerText and FindText. The first byte tells how many of the bytes
// after it form the needle; the rest is the haystack. Each ends at its first NUL, as a Text does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/text.h"
#include "winquery/text_operations.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Where the characters start: a byte below 0x80 is one character, a lead byte and the byte
// after it are another.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
    starts.push_back(i);
  }
  return starts;
}

// Same length; capitals outside two-byte characters lowered; everything else, trail bytes
// that look like capitals included, left as it was.
void CheckLowered(const std::string& original, const Text& lowered) {
  Require(lowered.Length() == original.size());
  const std::string result(lowered.Bytes(), lowered.Length());
  std::vector<bool> isStart(original.size(), false);
  for (std::size_t start : CharacterStarts(original)) isStart[start] = true;
  for (std::size_t i = 0; i < original.size(); ++i) {
    const auto before = static_cast<unsigned char>(original[i]);
    const auto after = static_cast<unsigned char>(result[i]);
    const bool singleByteCapital = isStart[i] && before >= 'A' && before <= 'Z';
    Require(after == (singleByteCapital ? before + 0x20 : before));
  }
}

// -1, or the 1-based place of the first character start at which the needle's bytes stand.
void CheckFound(const std::string& haystack, const std::string& needle, long long found) {
  if (needle.empty()) {
    Require(found == (haystack.empty() ? -1 : 1));
    return;
  }
  long long first = -1;
  for (std::size_t start : CharacterStarts(haystack)) {
    if (haystack.compare(start, needle.size(), needle) == 0) {
      first = static_cast<long long>(start) + 1;
      break;
    }
  }
  Require(found == first);
}

std::string Bytes(const Text& text) { return std::string(text.Bytes(), text.Length()); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t needleSize = data[0] < size - 1 ? data[0] : size - 1;
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  const Text needle = Text::CopyUpToNul(bytes, needleSize);
  const Text haystack = Text::CopyUpToNul(bytes + needleSize, size - 1 - needleSize);

  const Text loweredNeedle = ToLowerText(needle);
  const Text loweredHaystack = ToLowerText(haystack);
  CheckLowered(Bytes(needle), loweredNeedle);
  CheckLowered(Bytes(haystack), loweredHaystack);
  CheckFound(Bytes(haystack), Bytes(needle), FindText(haystack, needle));
  CheckFound(Bytes(loweredHaystack), Bytes(loweredNeedle), FindText(loweredHaystack, loweredNeedle));
  return 0;
}
