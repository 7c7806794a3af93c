#include "winquery/user32_functions.h"

#include "runtime/platform_function.h"

namespace {

constexpr char kUser32[] = "user32.dll";

PlatformFunction findWindowExA = {kUser32, "FindWindowExA", nullptr, nullptr, nullptr};
PlatformFunction getWindowTextLengthA = {kUser32, "GetWindowTextLengthA", nullptr, nullptr, nullptr};
PlatformFunction getWindowTextA = {kUser32, "GetWindowTextA", nullptr, nullptr, nullptr};
PlatformFunction getWindowInfo = {kUser32, "GetWindowInfo", nullptr, nullptr, nullptr};

using FindWindowExAFunction = HWND(WINAPI*)(HWND, HWND, LPCSTR, LPCSTR);
using GetWindowTextLengthAFunction = int(WINAPI*)(HWND);
using GetWindowTextAFunction = int(WINAPI*)(HWND, LPSTR, int);
using GetWindowInfoFunction = BOOL(WINAPI*)(HWND, WINDOWINFO*);

}  // namespace

HWND CallFindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName) {
  return BoundFunction<FindWindowExAFunction>(findWindowExA)(parent, childAfter, className, windowName);
}

int CallGetWindowTextLengthA(HWND window) {
  return BoundFunction<GetWindowTextLengthAFunction>(getWindowTextLengthA)(window);
}

int CallGetWindowTextA(HWND window, LPSTR buffer, int capacity) {
  return BoundFunction<GetWindowTextAFunction>(getWindowTextA)(window, buffer, capacity);
}

BOOL CallGetWindowInfo(HWND window, WINDOWINFO* info) {
  return BoundFunction<GetWindowInfoFunction>(getWindowInfo)(window, info);
}
