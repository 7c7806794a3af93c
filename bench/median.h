#pragma once

#include <algorithm>
#include <vector>

// The middle of the samples: one slow sample on a busy two-core machine does not move it.
inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0.0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 != 0 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}
