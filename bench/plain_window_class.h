#pragma once

#include <windows.h>

// A window class whose windows do nothing of their own: stand-ins for other programs' windows.
inline void RegisterPlainWindowClass(const char* name) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}
