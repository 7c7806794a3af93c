#pragma once

#include <windows.h>

// Elapsed time on the performance counter, which Wine backs with the host's monotonic clock.
class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }

  double Milliseconds() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};
