#include "real_windows.h"

namespace {

constexpr char kTestWindowClass[] = "InspectorTestWindow";

void RegisterTestClassOnce() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTestWindowClass;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

TestWindow::TestWindow(const std::string& title, int left, int top, int width, int height, bool visible) {
  RegisterTestClassOnce();
  handle_ = CreateWindowExA(0, kTestWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                            left, top, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  PumpMessages(std::chrono::milliseconds(50));
}

TestWindow::~TestWindow() {
  if (IsWindow(handle_)) DestroyWindow(handle_);
  PumpMessages(std::chrono::milliseconds(20));
}

void PumpMessages(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    Sleep(10);
  }
}
