// The real inspector asks for a few bytes at a time, and nothing outside it can make such a
// request fail short of exhausting the machine. This stand-in starts the run time with the
// real form, opens the main window and then asks for memory no allocator can give, to show
// how the run time reports it.
#include <windows.h>

#include "app/inspector.h"
#include "impossible_allocation.h"
#include "runtime/form_instance.h"
#include "runtime/form_window.h"
#include "runtime/memory.h"
#include "ui/main_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitialiseFormRuntime(MainFormDescription(), kInspectorEventBindings, kInspectorEventBindingCount);
  LoadMainWindow();
  ReleaseBytes(AllocateBytes(kImpossibleByteCount));
  return 0;
}
