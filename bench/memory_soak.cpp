// Runs the inspector for a while with its watched window present and samples its private
// bytes once a second. The watched window moves before every sample, and the sample counts
// only once the inspector's boxes show the new place, so every sample follows live refreshes.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "launched_program.h"
#include "plain_window_class.h"
#include "stopwatch.h"

namespace {

const char kKeyword[] = "\xB4\xE4\xCE\xA2\xD5\xBB";  // 翠微栈
constexpr char kTargetClass[] = "MemorySoakTarget";

// Keeps this process's own window answering while waiting.
void PumpFor(DWORD milliseconds) {
  Stopwatch stopwatch;
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  } while (stopwatch.Milliseconds() < milliseconds);
}

struct BoxSearch {
  std::string wanted;
  bool shown;
};

BOOL CALLBACK MatchBoxText(HWND child, LPARAM parameter) {
  auto& search = *reinterpret_cast<BoxSearch*>(parameter);
  char className[16] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Edit") != 0) return TRUE;
  char text[32] = {};
  DWORD_PTR ignored;
  SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &ignored);
  search.shown = search.wanted == text;
  return search.shown ? FALSE : TRUE;
}

bool SomeBoxShows(HWND window, int value) {
  BoxSearch search{std::to_string(value), false};
  EnumChildWindows(window, MatchBoxText, reinterpret_cast<LPARAM>(&search));
  return search.shown;
}

// Pumps until one of the inspector's boxes shows the value, or the time is up.
bool WaitUntilShown(HWND inspector, int value, DWORD milliseconds) {
  Stopwatch stopwatch;
  while (!SomeBoxShows(inspector, value)) {
    if (stopwatch.Milliseconds() > milliseconds) return false;
    PumpFor(20);
  }
  return true;
}

struct Samples {
  const char* what;
  SIZE_T first = 0;
  SIZE_T last = 0;
  SIZE_T highest = 0;
  bool empty = true;

  void Add(SIZE_T bytes) {
    if (empty) first = bytes;
    empty = false;
    last = bytes;
    highest = std::max(highest, bytes);
  }
  void Print() const {
    std::printf("inspector %s: first %zu, last %zu, max %zu, last - first %+lld\n", what, first, last, highest,
                static_cast<long long>(last) - static_cast<long long>(first));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: memory_soak INSPECTOR [SECONDS]\n");
    return 2;
  }
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 70;
  RegisterPlainWindowClass(kTargetClass);
  const std::string title = std::string("Soak target ") + kKeyword;
  const HWND target = CreateWindowExA(0, kTargetClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 300,
                                      200, 150, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);

  LaunchedProgram inspector(argv[1]);
  HWND inspectorWindow = nullptr;
  for (Stopwatch stopwatch; inspector.Started() && inspectorWindow == nullptr && stopwatch.Milliseconds() < 30000;) {
    PumpFor(50);
    inspectorWindow = inspector.VisibleWindow();
  }
  if (inspectorWindow == nullptr || !WaitUntilShown(inspectorWindow, 100, 5000)) {
    std::fprintf(stderr, "the inspector did not start showing its watched window\n");
    return 1;
  }

  // Private bytes are the commit charge, which Windows reports as both PagefileUsage and
  // PrivateUsage; Wine fills in only the first.
  Samples privateBytes{"private bytes (commit charge)"};
  Samples workingSet{"working set"};
  int followed = 0;
  for (int sample = 0; sample < seconds; ++sample) {
    const int left = 101 + sample % 50;
    Stopwatch stopwatch;
    SetWindowPos(target, nullptr, left, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    followed += WaitUntilShown(inspectorWindow, left, 1000);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(inspector.Process(), &counters, sizeof counters);
    privateBytes.Add(counters.PagefileUsage);
    workingSet.Add(counters.WorkingSetSize);
    PumpFor(static_cast<DWORD>(std::max(0.0, 1000.0 - stopwatch.Milliseconds())));
  }
  const DWORD exitCode = inspector.CloseAndWait(inspectorWindow, 10000);
  DestroyWindow(target);

  std::printf("memory soak: %d s, one sample a second; the boxes followed %d of %d moves of the watched window\n",
              seconds, followed, seconds);
  privateBytes.Print();
  workingSet.Print();
  std::printf("inspector exit code after closing: %lu\n", static_cast<unsigned long>(exitCode));
  return followed == seconds && exitCode == 0 ? 0 : 1;
}
