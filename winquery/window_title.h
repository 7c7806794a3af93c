#pragma once

#include <windows.h>

#include "runtime/text.h"

// The longest title read from a window. The length comes from the window's own process; a
// longer announcement is cut here so that one window cannot make the inspector allocate
// gigabytes, or overflow the capacity it passes on.
constexpr int kLongestTitleRead = 1 << 20;

// The window's title, possibly empty. Nothing is read or written past the buffer, whatever
// length the window announces and whatever it writes.
Text ReadWindowTitle(HWND window);
