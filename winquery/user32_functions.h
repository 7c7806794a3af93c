#pragma once

#include <windows.h>

// The window-manager functions of the search and the geometry query. Each is bound by name
// from "user32.dll" at its first call and kept (the platform-function table of the run time).
HWND CallFindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName);
int CallGetWindowTextLengthA(HWND window);
int CallGetWindowTextA(HWND window, LPSTR buffer, int capacity);
BOOL CallGetWindowInfo(HWND window, WINDOWINFO* info);
