// Title reading and the search against a window manager that announces any length and writes
// any bytes: a few windows, each with an announced length, a way of writing its title and the
// bytes it writes, are read from the input after a keyword. ASan stands guard over the buffer.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/platform_function.h"
#include "simulated_desktop.h"
#include "winquery/target_window_search.h"
#include "winquery/text_operations.h"
#include "winquery/window_title.h"

namespace {

using simulated::TitleWrite;

constexpr int kMostWindows = 6;

void Require(bool condition) {
  if (!condition) std::abort();
}

class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return used_ >= size_; }
  std::uint8_t Byte() { return AtEnd() ? 0 : data_[used_++]; }
  std::string Bytes(std::size_t count) {
    count = std::min(count, size_ - used_);
    std::string bytes(reinterpret_cast<const char*>(data_ + used_), count);
    used_ += count;
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t used_ = 0;
};

// Near the truth, or absurd either way.
int AnnouncedLength(std::uint8_t choice, std::size_t trueLength) {
  switch (choice) {
    case 0xFF:
      return INT_MAX;
    case 0xFE:
      return INT_MIN;
    case 0xFD:
      return kLongestTitleRead + 1;
    default:
      return static_cast<int>(trueLength) + static_cast<std::int8_t>(choice);
  }
}

// What the buffer holds after the window manager has written into it: spaces where it wrote
// nothing, and the title is what comes before the first NUL inside the capacity.
std::string ExpectedTitle(const simulated::Window& window, int capacity) {
  std::string buffer(static_cast<std::size_t>(capacity), ' ');
  const std::size_t room = buffer.size();
  switch (window.titleWrite) {
    case TitleWrite::Whole: {
      const std::size_t count = std::min(window.title.size(), room - 1);
      buffer.replace(0, count, window.title, 0, count);
      buffer[count] = '\0';
      break;
    }
    case TitleWrite::Nothing:
      break;
    case TitleWrite::FillWithoutNul:
      buffer.assign(room, 'X');
      break;
    case TitleWrite::RawBytes:
      buffer.replace(0, std::min(window.title.size(), room), window.title, 0, room);
      break;
  }
  return buffer.substr(0, buffer.find('\0'));
}

int ExpectedCapacity(const simulated::Window& window) {
  return std::clamp(*window.announcedLength, 0, kLongestTitleRead) + 1;
}

Text AsText(const std::string& bytes) { return Text::CopyUpToNul(bytes.data(), bytes.size()); }

int FindWindowExCalls() {
  const auto& calls = simulated::TheDesktop().calls;
  return static_cast<int>(std::count(calls.begin(), calls.end(), "FindWindowExA"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  InputReader input(data, size);
  auto& desktop = simulated::TheDesktop();
  const Text keyword = AsText(input.Bytes(input.Byte() % 8));
  while (!input.AtEnd() && static_cast<int>(desktop.windows.size()) < kMostWindows) {
    simulated::Window window;
    window.titleWrite = static_cast<TitleWrite>(input.Byte() % 4);
    const std::uint8_t lengthChoice = input.Byte();
    window.title = input.Bytes(input.Byte());
    window.announcedLength = AnnouncedLength(lengthChoice, window.title.size());
    // Any other way of writing would leave a mebibyte of title to lower and search, which
    // slows the runs fortyfold; how a title without its NUL is read does not depend on its size.
    if (*window.announcedLength > kLongestTitleRead) window.titleWrite = TitleWrite::Whole;
    desktop.Add(window);
  }

  // Each title alone: the capacity passed on and what is made of the bytes written.
  std::vector<std::string> titles;
  for (const simulated::Window& window : desktop.windows) {
    desktop.capacitiesSeen.clear();
    const Text title = ReadWindowTitle(window.handle);
    Require(desktop.capacitiesSeen.size() == 1 && desktop.capacitiesSeen[0] == ExpectedCapacity(window));
    titles.push_back(ExpectedTitle(window, ExpectedCapacity(window)));
    Require(std::string(title.Bytes(), title.Length()) == titles.back());
  }

  // The walk: the first window whose title holds the keyword, looking no further than that one.
  int expected = -1;
  for (std::size_t i = 0; i < titles.size() && expected < 0; ++i) {
    if (FindText(ToLowerText(AsText(titles[i])), ToLowerText(keyword)) != -1) expected = static_cast<int>(i);
  }
  desktop.calls.clear();
  const HWND found = FindTargetWindow(keyword, Text());
  Require(found == (expected < 0 ? nullptr : desktop.windows[static_cast<std::size_t>(expected)].handle));
  Require(FindWindowExCalls() == (expected < 0 ? static_cast<int>(titles.size()) : expected) + 1);
  ReleaseBoundLibraries();
  // Everything this run allocated is freed before it ends, or libFuzzer suspects a leak and
  // spends its time hunting for one.
  simulated::ResetDesktop();
  return 0;
}
