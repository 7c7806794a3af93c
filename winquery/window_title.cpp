#include "winquery/window_title.h"

#include "winquery/text_operations.h"
#include "winquery/user32_functions.h"

Text ReadWindowTitle(HWND window) {
  const int announced = CallGetWindowTextLengthA(window);
  const int length = announced < 0 ? 0 : (announced > kLongestTitleRead ? kLongestTitleRead : announced);
  const int capacity = length + 1;

  // Spaces, then a NUL beyond the capacity that the window manager may not touch: what it
  // leaves unwritten reads as spaces, and the title always ends inside the buffer.
  Text buffer = BlankText(capacity);
  CallGetWindowTextA(window, buffer.MutableBytes(), capacity);
  return Text::CopyUpToNul(buffer.Bytes(), buffer.Length());
}
