#pragma once

#include <cstdio>

// One row of the benchmark table: what was measured, the program's median, the floor's median
// and the ratio of the two.
inline void PrintRatioRow(const char* what, double program, double floor, const char* unit) {
  std::printf("| %-50s | %9.4g %-2s | %9.4g %-2s | %5.2fx |\n", what, program, unit, floor, unit, program / floor);
  std::fflush(stdout);
}
