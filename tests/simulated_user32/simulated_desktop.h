#pragma once

// A small window manager of our own for the host tests: a z-ordered list of top-level windows
// with titles and rectangles, a user32 that can lack exports, and recordings of what the
// program asked of it. It stages what a real desktop cannot on demand: a window that vanishes
// mid-walk, a title longer or shorter than announced, a missing export.

#include <windows.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace simulated {

enum class TitleWrite {
  Whole,           // the title, cut to the capacity, then a NUL, as the real function does
  Nothing,         // leaves the buffer untouched
  FillWithoutNul,  // fills the whole capacity with 'X' and writes no NUL
  RawBytes,        // the title's bytes as they are, NULs included, cut to the capacity, no NUL added
};

struct Window {
  std::string title;  // bytes in code page 936
  RECT rect{};
  std::string className = "SimulatedWindow";
  std::optional<int> announcedLength;  // what GetWindowTextLengthA says instead of the truth
  TitleWrite titleWrite = TitleWrite::Whole;
  std::function<void()> onLengthAsked;  // runs when its title length is asked for
  HWND handle = nullptr;                // chosen by the desktop unless given
};

struct MessageBoxShown {
  std::string text;
  std::string caption;
  UINT type;
};

struct TimerCall {
  enum Kind { Set, Kill } kind;
  HWND window;
  UINT_PTR id;
  UINT elapse;
};

// Thrown by ExitProcess so that a test can see the exit code.
struct ProcessExit {
  UINT code;
};

struct Desktop {
  std::vector<Window> windows;  // the z-order, top first
  std::set<std::string> missingExports;
  bool user32Missing = false;

  std::vector<std::string> calls;  // every bound user32 function called, by name
  std::vector<std::string> lookUps;
  int librariesLoaded = 0;
  int librariesReleased = 0;
  std::vector<TimerCall> timerCalls;
  std::vector<std::pair<HWND, std::string>> textWrites;  // SetWindowTextA
  std::vector<MessageBoxShown> messageBoxes;
  std::function<void()> whileMessageBoxShown;
  std::vector<UINT> cbSizesSeen;     // WINDOWINFO.cbSize of each GetWindowInfo call
  std::vector<int> capacitiesSeen;   // the capacity of each GetWindowTextA call
  std::function<void()> beforeGetWindowInfo;

  // Empties the recordings above, so that a long run does not grow them.
  void ForgetRecordings();

  HWND Add(Window window);  // at the bottom of the z-order
  HWND AddTitled(const std::string& title, RECT rect = RECT{});
  void Destroy(HWND handle);
  Window* Find(HWND handle);
};

Desktop& TheDesktop();
void ResetDesktop();

}  // namespace simulated
