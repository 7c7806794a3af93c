#pragma once

#include <windows.h>

#include <chrono>
#include <initializer_list>

// Input through the real path: SendInput reaches whichever window is in the foreground.

// Makes the window the foreground one and waits until the window manager agrees.
bool BringToFront(HWND window, std::chrono::milliseconds deadline);

// Holds the keys down in the order given and lets go of them in reverse: {VK_SHIFT, VK_ESCAPE}.
void PressChord(std::initializer_list<WORD> keys);

// A left click at a point of the screen.
void ClickAt(POINT point);

// The window focused inside another thread's windows, or null.
HWND FocusOfThread(DWORD threadId);
