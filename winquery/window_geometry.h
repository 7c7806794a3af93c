#pragma once

#include <cstdint>
#include <windows.h>

// A window's outer rectangle in screen pixels; the layout of the window manager's RECT.
struct WindowRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

// The outer rectangle (caption and borders included) of the window, as GetWindowInfo reports
// it; all zeros when the handle is 0 or the window no longer exists.
WindowRect QueryWindowRect(HWND window);
