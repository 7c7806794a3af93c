#pragma once

#include <windows.h>

// Another program started and watched from outside, as a user sees it: by its windows only.
class LaunchedProgram {
 public:
  explicit LaunchedProgram(const char* path);  // check Started() afterwards
  ~LaunchedProgram();
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  HANDLE Process() const { return process_.hProcess; }

  // Its visible top-level window, or 0 while it has none.
  HWND VisibleWindow() const;

  // Asks its window to close, as the close button does, and waits for the program to end.
  // Its exit code, or STILL_ACTIVE if it did not end within the time.
  DWORD CloseAndWait(HWND window, DWORD milliseconds);

 private:
  PROCESS_INFORMATION process_{};
};

// True once the window and every visible window inside it have been painted: each is visible
// and none has a region waiting to be painted. The window manager keeps that region for every
// window, so this reads the same for any program without its help.
bool IsPainted(HWND window);
