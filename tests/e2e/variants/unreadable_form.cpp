// A program of its own rather than the inspector: the inspector always hands the run time its
// real form, so only another program can offer one that the run time cannot read.
#include <windows.h>

#include "runtime/form_instance.h"

namespace {

// The timer names a handler that the program does not offer.
constexpr ComponentDescription kComponents[] = {
    {ComponentKind::Timer, 0, 0, 0, 0, nullptr, 0, "NoSuchHandler"},
};
constexpr FormDescription kForm = {
    {"unreadable", 100, 100, nullptr, false, nullptr},
    kComponents,
    1,
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitialiseFormRuntime(kForm, nullptr, 0);
  return 0;
}
