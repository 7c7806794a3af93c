#include "launched_program.h"

#include <string>

namespace {

struct WindowOfProcess {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowOfProcess*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

bool HasRegionToPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM parameter) {
  if (!IsWindowVisible(child) || !HasRegionToPaint(child)) return TRUE;
  *reinterpret_cast<bool*>(parameter) = true;
  return FALSE;
}

}  // namespace

LaunchedProgram::LaunchedProgram(const char* path) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = std::string("\"") + path + "\"";
  if (!CreateProcessA(path, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    process_ = PROCESS_INFORMATION{};
  }
}

LaunchedProgram::~LaunchedProgram() {
  if (!Started()) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND LaunchedProgram::VisibleWindow() const {
  WindowOfProcess search{process_.dwProcessId, nullptr};
  EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD LaunchedProgram::CloseAndWait(HWND window, DWORD milliseconds) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD exitCode = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_.hProcess, &exitCode);
  }
  return exitCode;
}

bool IsPainted(HWND window) {
  if (!IsWindowVisible(window) || HasRegionToPaint(window)) return false;
  bool childUnpainted = false;
  EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&childUnpainted));
  return !childUnpainted;
}
