#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

// Helpers for tests against the real window manager under Wine.

// A plain top-level window of a test class, destroyed with the object. Hidden unless asked:
// the walk sees hidden windows too, and Wine shows a window far more slowly than it makes one.
class TestWindow {
 public:
  TestWindow(const std::string& title, int left, int top, int width, int height, bool visible = false);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return handle_; }

 private:
  HWND handle_;
};

// Dispatches this thread's messages for a while: Wine settles window state asynchronously.
void PumpMessages(std::chrono::milliseconds duration);

// Pumps messages until the condition holds or the deadline passes; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline);

// Code-page-936 bytes of the watched window's keyword, 翠微栈.
inline const std::string kKeywordBytes = "\xB4\xE4\xCE\xA2\xD5\xBB";
