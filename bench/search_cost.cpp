// One refresh's search and measurement under the real window manager, against the bare
// window-manager calls that any such search has to make, with 10, 100 and 1000 top-level
// windows and the watched window last in the order or absent.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "median.h"
#include "plain_window_class.h"
#include "ratio_row.h"
#include "runtime/text.h"
#include "stopwatch.h"
#include "winquery/target_window_search.h"
#include "winquery/window_geometry.h"

namespace {

const char kKeyword[] = "\xB4\xE4\xCE\xA2\xD5\xBB";            // 翠微栈
const char kPlainTitleTail[] = " - \xCE\xC4\xB5\xB5 Editor";  // " - 文档 Editor"
constexpr char kWindowClass[] = "SearchCostWindow";
constexpr double kMeasurementMilliseconds = 50.0;  // long enough to swamp the counter's own cost

volatile LONG sink;  // keeps the measured results alive

// The refresh's own path: search, then measure whatever was found.
HWND SearchAndMeasure() {
  const HWND found = FindTargetWindow(Text::FromCString(kKeyword), Text());
  sink = QueryWindowRect(found).left;
  return found;
}

// The floor: the same walk with only the calls that cannot be avoided, stopping where the
// search stops, titles read into a stack buffer, then the one rectangle query.
HWND CallsOnly(HWND stopAt) {
  char title[256];
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, nullptr, nullptr)) != nullptr) {
    const int length = GetWindowTextLengthA(window);
    const int capacity = length + 1 < static_cast<int>(sizeof title) ? length + 1 : static_cast<int>(sizeof title);
    GetWindowTextA(window, title, capacity);
    if (window == stopAt) break;
  }
  WINDOWINFO info{};
  info.cbSize = sizeof info;
  GetWindowInfo(window, &info);
  sink = info.rcWindow.left;
  return window;
}

std::string PlainTitle(int index) { return "Window " + std::to_string(index) + kPlainTitleTail; }

HWND CreateHiddenWindow(const std::string& title) {
  return CreateWindowExA(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

int CountTopLevelWindows() {
  int count = 0;
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, nullptr)) != nullptr;) ++count;
  return count;
}

bool IsLastInOrder(HWND window) { return GetWindow(window, GW_HWNDNEXT) == nullptr; }

// Milliseconds per call of `work`, over enough calls to last the measurement time.
template <typename Work>
double MillisecondsPerCall(int calls, Work work) {
  Stopwatch stopwatch;
  for (int i = 0; i < calls; ++i) work();
  return stopwatch.Milliseconds() / calls;
}

// Alternates the two, swapping which goes first each round so that drift hits both alike.
void CompareSideBySide(const char* what, int rounds, HWND expected) {
  if (SearchAndMeasure() != expected || CallsOnly(expected) != expected) {
    std::fprintf(stderr, "%s: the search did not end where expected\n", what);
    std::exit(1);
  }
  const double once = MillisecondsPerCall(1, [&] { SearchAndMeasure(); });
  const int calls = once >= kMeasurementMilliseconds ? 1 : static_cast<int>(kMeasurementMilliseconds / once) + 1;
  std::vector<double> search;
  std::vector<double> floor;
  for (int round = 0; round < rounds; ++round) {
    const auto measureSearch = [&] { search.push_back(MillisecondsPerCall(calls, [] { SearchAndMeasure(); })); };
    const auto measureFloor = [&] { floor.push_back(MillisecondsPerCall(calls, [&] { CallsOnly(expected); })); };
    if (round % 2 == 0) {
      measureSearch();
      measureFloor();
    } else {
      measureFloor();
      measureSearch();
    }
  }
  PrintRatioRow(what, 1000.0 * Median(search), 1000.0 * Median(floor), "us");
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 31;
  if (GetACP() != 936) {
    std::fprintf(stderr, "needs code page 936 (LC_ALL=zh_CN.UTF-8)\n");
    return 1;
  }
  RegisterPlainWindowClass(kWindowClass);

  // The bottom window of the order is ours throughout; new windows go on top of it.
  std::vector<HWND> windows{CreateHiddenWindow(PlainTitle(0))};
  const HWND bottom = windows.front();
  SetWindowPos(bottom, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (int count : {10, 100, 1000}) {
    while (static_cast<int>(windows.size()) < count) windows.push_back(CreateHiddenWindow(PlainTitle(windows.size())));
    if (!IsLastInOrder(bottom)) {
      std::fprintf(stderr, "the first window is not at the bottom of the order\n");
      return 1;
    }
    const int walked = CountTopLevelWindows();
    char what[96];
    SetWindowTextA(bottom, (std::string("Window 0 ") + kKeyword).c_str());
    std::snprintf(what, sizeof what, "search: %d windows (%d walked), target last", count, walked);
    CompareSideBySide(what, rounds, bottom);
    SetWindowTextA(bottom, PlainTitle(0).c_str());
    std::snprintf(what, sizeof what, "search: %d windows (%d walked), target absent", count, walked);
    CompareSideBySide(what, rounds, nullptr);
  }
  for (HWND window : windows) DestroyWindow(window);
  return 0;
}
