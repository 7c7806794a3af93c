// The inspector on a system whose user32.dll lacks GetWindowInfo: every other name is looked
// up as usual.
#include <windows.h>

#include "app/inspector.h"
#include "runtime/platform_function.h"

namespace {

FARPROC LookUpAllButWindowInfo(HMODULE library, const char* functionName) {
  return lstrcmpA(functionName, "GetWindowInfo") == 0 ? nullptr : kSystemLibraryLoader.lookUp(library, functionName);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  static const LibraryLoader withoutWindowInfo = {kSystemLibraryLoader.load, LookUpAllButWindowInfo,
                                                  kSystemLibraryLoader.release};
  UseLibraryLoader(withoutWindowInfo);
  return RunInspector();
}
