// The inspector on a thread where no edit control can be created, so its main window cannot
// be built.
#include <windows.h>

#include "app/inspector.h"

namespace {

LRESULT CALLBACK RefuseEditControls(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const char* className = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
    // A class given by its atom is never the system's edit class here.
    if (!IS_INTRESOURCE(className) && lstrcmpiA(className, "EDIT") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetWindowsHookExA(WH_CBT, RefuseEditControls, nullptr, GetCurrentThreadId());
  return RunInspector();
}
