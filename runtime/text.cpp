#include "runtime/text.h"

#include <cstdint>
#include <cstring>

#include "runtime/fatal_error.h"
#include "runtime/memory.h"

Text::Text(Text&& other) noexcept : bytes_(other.bytes_), length_(other.length_) {
  other.bytes_ = nullptr;
  other.length_ = 0;
}

Text& Text::operator=(Text&& other) noexcept {
  if (this != &other) {
    ReleaseBytes(bytes_);
    bytes_ = other.bytes_;
    length_ = other.length_;
    other.bytes_ = nullptr;
    other.length_ = 0;
  }
  return *this;
}

Text::~Text() { ReleaseBytes(bytes_); }

Text Text::WithLength(std::size_t length) {
  Text text;
  if (length == 0) return text;
  if (length == SIZE_MAX) ReportAllocationFailure(length);  // the NUL would not fit
  text.bytes_ = static_cast<char*>(AllocateBytes(length + 1));
  text.bytes_[length] = '\0';
  text.length_ = length;
  return text;
}

Text Text::CopyUpToNul(const char* bytes, std::size_t capacity) {
  const void* nul = std::memchr(bytes, '\0', capacity);
  const std::size_t length =
      nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : capacity;
  Text text = WithLength(length);
  if (length != 0) std::memcpy(text.bytes_, bytes, length);
  return text;
}

Text Text::FromCString(const char* text) {
  return text != nullptr ? CopyUpToNul(text, std::strlen(text)) : Text();
}
