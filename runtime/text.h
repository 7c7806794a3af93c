#pragma once

#include <cstddef>

// A byte string in the ANSI code page that ends at its first NUL byte. It owns its bytes and
// can only be moved, so every Text is released exactly once. The empty Text and the absent
// Text are the same value; NullIfEmpty() gives the null pointer the window manager expects
// for an absent text.
class Text {
 public:
  Text() = default;
  Text(Text&& other) noexcept;
  Text& operator=(Text&& other) noexcept;
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text();

  // The bytes up to the first NUL among the first `capacity` bytes; never reads further.
  static Text CopyUpToNul(const char* bytes, std::size_t capacity);
  static Text FromCString(const char* text);
  // `length` bytes for the caller to fill, followed by a NUL that is already in place.
  static Text WithLength(std::size_t length);

  const char* Bytes() const { return bytes_ != nullptr ? bytes_ : ""; }
  char* MutableBytes() { return bytes_; }
  std::size_t Length() const { return length_; }
  bool IsEmpty() const { return length_ == 0; }
  const char* NullIfEmpty() const { return length_ == 0 ? nullptr : bytes_; }

 private:
  char* bytes_ = nullptr;
  std::size_t length_ = 0;
};
