// Start-up to first paint of two programs, alternated run by run: the time from asking the
// system to start the program until its window is visible and it and every control in it
// have been painted. Both programs are observed the same way, from outside, by this process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "launched_program.h"
#include "median.h"
#include "ratio_row.h"
#include "stopwatch.h"

namespace {

constexpr double kGiveUpMilliseconds = 30000.0;

struct StartUp {
  double milliseconds;
  bool sawUnpainted;  // the window was caught visible before its paint, so the paint was seen
};

// Exits the benchmark if the program does not start, paint or close cleanly.
StartUp TimeToFirstPaint(const char* path) {
  Stopwatch stopwatch;
  LaunchedProgram program(path);
  if (!program.Started()) {
    std::fprintf(stderr, "cannot start %s\n", path);
    std::exit(1);
  }
  StartUp result{0.0, false};
  HWND window = nullptr;
  for (;;) {
    window = program.VisibleWindow();
    if (window != nullptr) {
      if (IsPainted(window)) break;
      result.sawUnpainted = true;
    }
    if (stopwatch.Milliseconds() > kGiveUpMilliseconds) {
      std::fprintf(stderr, "%s showed no painted window in time\n", path);
      std::exit(1);
    }
    Sleep(1);
  }
  result.milliseconds = stopwatch.Milliseconds();
  const DWORD exitCode = program.CloseAndWait(window, 10000);
  if (exitCode != 0) {
    std::fprintf(stderr, "%s ended with %lu after its window was closed\n", path, static_cast<unsigned long>(exitCode));
    std::exit(1);
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer PROGRAM FLOOR_PROGRAM [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
  TimeToFirstPaint(argv[1]);  // the first start of each loads what later starts find cached
  TimeToFirstPaint(argv[2]);
  std::vector<double> program;
  std::vector<double> floor;
  int paintsSeen = 0;
  for (int run = 0; run < runs; ++run) {
    const bool programFirst = run % 2 == 0;
    const StartUp first = TimeToFirstPaint(argv[programFirst ? 1 : 2]);
    const StartUp second = TimeToFirstPaint(argv[programFirst ? 2 : 1]);
    (programFirst ? program : floor).push_back(first.milliseconds);
    (programFirst ? floor : program).push_back(second.milliseconds);
    paintsSeen += first.sawUnpainted + second.sawUnpainted;
  }
  PrintRatioRow("start-up to first paint", Median(program), Median(floor), "ms");
  std::fprintf(stderr, "start-up: the window was caught unpainted before its paint in %d of %d starts\n", paintsSeen,
               2 * runs);
  return 0;
}
