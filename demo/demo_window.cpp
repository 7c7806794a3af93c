// A window for the inspector to watch. Drag it or resize it and compare the five numbers in
// the inspector with the ones it shows of itself.
//
//   demo_window.exe                   opens the window
//   demo_window.exe --move-to X Y     moves an open one to X,Y and exits (1 if none is open)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kClassName[] = "InspectorDemoWindow";
// 翠微栈 演示窗口
constexpr char kTitle[] = "\xB4\xE4\xCE\xA2\xD5\xBB \xD1\xDD\xCA\xBE\xB4\xB0\xBF\xDA";
// 拖动或缩放这个窗口，检查器的五个数字会跟着变。
constexpr char kHint[] =
    "\xCD\xCF\xB6\xAF\xBB\xF2\xCB\xF5\xB7\xC5\xD5\xE2\xB8\xF6\xB4\xB0\xBF\xDA\xA3\xAC"
    "\xBC\xEC\xB2\xE9\xC6\xF7\xB5\xC4\xCE\xE5\xB8\xF6\xCA\xFD\xD7\xD6\xBB\xE1\xB8\xFA\xD7\xC5\xB1\xE4\xA1\xA3";
// 句柄 %d  左边 %ld  右边 %ld  顶边 %ld  底边 %ld: the inspector's labels, in its order
constexpr char kValuesFormat[] =
    "\xBE\xE4\xB1\xFA %d\n\xD7\xF3\xB1\xDF %ld\n\xD3\xD2\xB1\xDF %ld\n\xB6\xA5\xB1\xDF %ld\n\xB5\xD7\xB1\xDF %ld";

constexpr int kMargin = 16;

// The handle as the inspector shows it: the signed value of its 32 bits.
int HandleValue(HWND window) { return static_cast<int>(reinterpret_cast<UINT_PTR>(window)); }

void Paint(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);

  RECT outer;
  GetWindowRect(window, &outer);
  char values[160];
  std::snprintf(values, sizeof values, kValuesFormat, HandleValue(window), outer.left, outer.right, outer.top,
                outer.bottom);

  RECT area;
  GetClientRect(window, &area);
  InflateRect(&area, -kMargin, -kMargin);
  area.top += DrawTextA(dc, kHint, -1, &area, DT_WORDBREAK) + kMargin;
  DrawTextA(dc, values, -1, &area, 0);

  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_WINDOWPOSCHANGED:  // the numbers shown follow every move and resize
      InvalidateRect(window, nullptr, TRUE);
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int MoveOpenWindow(int left, int top) {
  const HWND window = FindWindowA(kClassName, nullptr);
  if (window == nullptr) return 1;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

int OpenWindow(HINSTANCE instance, int showCommand) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);

  const HWND window = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 360,
                                      240, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  if (__argc == 4 && std::strcmp(__argv[1], "--move-to") == 0) {
    return MoveOpenWindow(std::atoi(__argv[2]), std::atoi(__argv[3]));
  }
  return OpenWindow(instance, showCommand);
}
