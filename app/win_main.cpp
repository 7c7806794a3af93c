#include <windows.h>

#include "app/inspector.h"
#include "runtime/platform_function.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int exitCode = RunInspector();
  ReleaseBoundLibraries();
  return exitCode;
}
