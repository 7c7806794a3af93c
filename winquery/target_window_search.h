#pragma once

#include <windows.h>

#include "runtime/text.h"

// The first top-level window, in the window manager's order from the top, whose title holds
// the keyword, ASCII letters compared without regard to case; 0 when none does. An empty
// class name matches every class.
HWND FindTargetWindow(const Text& keyword, const Text& className);
