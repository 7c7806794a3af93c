#include "simulated_desktop.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace simulated {
namespace {

Desktop desktop;
std::uintptr_t nextHandle = 0x10010;
HMODULE const kUser32Module = reinterpret_cast<HMODULE>(std::uintptr_t{0x7A000000});

HWND WINAPI SimulatedFindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName) {
  desktop.calls.push_back("FindWindowExA");
  if (parent != nullptr || windowName != nullptr) return nullptr;  // only what the program asks
  auto& list = desktop.windows;
  auto it = list.begin();
  if (childAfter != nullptr) {
    it = std::find_if(list.begin(), list.end(), [&](const Window& w) { return w.handle == childAfter; });
    if (it == list.end()) return nullptr;  // a vanished window: no way to go on from it
    ++it;
  }
  for (; it != list.end(); ++it) {
    if (className == nullptr || strcasecmp(className, it->className.c_str()) == 0) return it->handle;
  }
  return nullptr;
}

int WINAPI SimulatedGetWindowTextLengthA(HWND handle) {
  desktop.calls.push_back("GetWindowTextLengthA");
  Window* window = desktop.Find(handle);
  if (window != nullptr && window->onLengthAsked) {
    auto staged = window->onLengthAsked;
    staged();
    window = desktop.Find(handle);
  }
  if (window == nullptr) return 0;
  return window->announcedLength.value_or(static_cast<int>(window->title.size()));
}

int WINAPI SimulatedGetWindowTextA(HWND handle, LPSTR buffer, int capacity) {
  desktop.calls.push_back("GetWindowTextA");
  desktop.capacitiesSeen.push_back(capacity);
  const Window* window = desktop.Find(handle);
  if (capacity <= 0) return 0;
  if (window == nullptr) {
    buffer[0] = '\0';
    return 0;
  }
  switch (window->titleWrite) {
    case TitleWrite::Whole: {
      const std::size_t count = std::min(window->title.size(), static_cast<std::size_t>(capacity - 1));
      std::memcpy(buffer, window->title.data(), count);
      buffer[count] = '\0';
      return static_cast<int>(count);
    }
    case TitleWrite::Nothing:
      return 0;
    case TitleWrite::FillWithoutNul:
      std::memset(buffer, 'X', static_cast<std::size_t>(capacity));
      return capacity;
    case TitleWrite::RawBytes: {
      const std::size_t count = std::min(window->title.size(), static_cast<std::size_t>(capacity));
      std::memcpy(buffer, window->title.data(), count);
      return static_cast<int>(count);
    }
  }
  return 0;
}

BOOL WINAPI SimulatedGetWindowInfo(HWND handle, WINDOWINFO* info) {
  desktop.calls.push_back("GetWindowInfo");
  desktop.cbSizesSeen.push_back(info->cbSize);
  if (desktop.beforeGetWindowInfo) desktop.beforeGetWindowInfo();
  const Window* window = desktop.Find(handle);
  if (window == nullptr) return FALSE;  // the record is left as it is
  info->rcWindow = window->rect;
  info->rcClient = RECT{window->rect.left + 1, window->rect.top + 20, window->rect.right - 1, window->rect.bottom - 1};
  info->dwStyle = 0x10CF0000;
  info->cxWindowBorders = 1;
  info->cyWindowBorders = 1;
  return TRUE;
}

struct Export {
  const char* name;
  FARPROC address;
};

template <typename Function>
FARPROC AsFarproc(Function function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
}

}  // namespace

HWND Desktop::Add(Window window) {
  if (window.handle == nullptr) {
    window.handle = reinterpret_cast<HWND>(nextHandle);
    nextHandle += 0x10;
  }
  windows.push_back(std::move(window));
  return windows.back().handle;
}

void Desktop::ForgetRecordings() {
  calls.clear();
  lookUps.clear();
  timerCalls.clear();
  textWrites.clear();
  messageBoxes.clear();
  cbSizesSeen.clear();
  capacitiesSeen.clear();
}

HWND Desktop::AddTitled(const std::string& title, RECT rect) {
  Window window;
  window.title = title;
  window.rect = rect;
  return Add(std::move(window));
}

void Desktop::Destroy(HWND handle) {
  windows.erase(std::remove_if(windows.begin(), windows.end(), [&](const Window& w) { return w.handle == handle; }),
                windows.end());
}

Window* Desktop::Find(HWND handle) {
  if (handle == nullptr) return nullptr;
  for (Window& window : windows) {
    if (window.handle == handle) return &window;
  }
  return nullptr;
}

Desktop& TheDesktop() { return desktop; }

void ResetDesktop() {
  desktop = Desktop{};
  nextHandle = 0x10010;
}

}  // namespace simulated

using simulated::TheDesktop;

HMODULE WINAPI LoadLibraryA(LPCSTR fileName) {
  auto& desktop = TheDesktop();
  if (desktop.user32Missing || strcasecmp(fileName, "user32.dll") != 0) return nullptr;
  ++desktop.librariesLoaded;
  return simulated::kUser32Module;
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
  auto& desktop = TheDesktop();
  desktop.lookUps.push_back(procName);
  if (module != simulated::kUser32Module || desktop.missingExports.count(procName) != 0) return nullptr;
  static const simulated::Export exports[] = {
      {"FindWindowExA", simulated::AsFarproc(&simulated::SimulatedFindWindowExA)},
      {"GetWindowTextLengthA", simulated::AsFarproc(&simulated::SimulatedGetWindowTextLengthA)},
      {"GetWindowTextA", simulated::AsFarproc(&simulated::SimulatedGetWindowTextA)},
      {"GetWindowInfo", simulated::AsFarproc(&simulated::SimulatedGetWindowInfo)},
  };
  for (const auto& e : exports) {
    if (std::strcmp(e.name, procName) == 0) return e.address;
  }
  return nullptr;
}

BOOL WINAPI FreeLibrary(HMODULE module) {
  if (module != simulated::kUser32Module) return FALSE;
  ++TheDesktop().librariesReleased;
  return TRUE;
}

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC) {
  TheDesktop().timerCalls.push_back({simulated::TimerCall::Set, window, id, elapse});
  return id;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
  TheDesktop().timerCalls.push_back({simulated::TimerCall::Kill, window, id, 0});
  return TRUE;
}

BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
  TheDesktop().textWrites.emplace_back(window, text != nullptr ? text : "");
  return TRUE;
}

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
  auto& desktop = TheDesktop();
  desktop.messageBoxes.push_back({text, caption, type});
  if (desktop.whileMessageBoxShown) desktop.whileMessageBoxShown();
  return 1;
}

void WINAPI ExitProcess(UINT exitCode) { throw simulated::ProcessExit{exitCode}; }
