#include "winquery/window_geometry.h"

#include "winquery/user32_functions.h"

static_assert(sizeof(WINDOWINFO) == 60, "WINDOWINFO is the window manager's 60-byte record");

WindowRect QueryWindowRect(HWND window) {
  // A failed call leaves the record as it is, so zeros are the answer for a missing window.
  WINDOWINFO info{};
  info.cbSize = sizeof(WINDOWINFO);
  CallGetWindowInfo(window, &info);
  return WindowRect{info.rcWindow.left, info.rcWindow.top, info.rcWindow.right, info.rcWindow.bottom};
}
