#include "user_input.h"

#include <gtest/gtest.h>

#include <vector>

#include "real_windows.h"

namespace {

INPUT Key(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = flags;
  return input;
}

INPUT MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  const auto count = static_cast<UINT>(inputs.size());
  EXPECT_EQ(SendInput(count, inputs.data(), sizeof(INPUT)), count) << "error " << GetLastError();
}

}  // namespace

bool BringToFront(HWND window, std::chrono::milliseconds deadline) {
  SetForegroundWindow(window);
  return PumpUntil([window] { return GetForegroundWindow() == window; }, deadline);
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(Key(key, 0));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(Key(*key, KEYEVENTF_KEYUP));
  Send(inputs);
}

void ClickAt(POINT point) {
  SetCursorPos(point.x, point.y);
  Send({MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP)});
}

HWND FocusOfThread(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}
