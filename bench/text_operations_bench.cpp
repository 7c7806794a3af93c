// The search's text work on one title, ToLowerText then FindText, against a memcpy and a
// memmem over the same bytes. The keyword is never in the title, so every byte is visited.
#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "ratio_row.h"
#include "winquery/text_operations.h"

namespace {

const char kKeyword[] = "\xB4\xE4\xCE\xA2\xD5\xBB";  // 翠微栈
const int kTitleLengths[] = {16, 256, 64 * 1024};

// Capitals to lower, two-byte characters to step over, and the keyword's first two
// characters without its third, so that the comparison keeps getting some way in.
std::string TitleWithoutKeyword(std::size_t length) {
  static const std::string kPattern = "Ab \xB4\xE4\xCE\xA2 Zq";  // "Ab 翠微 Zq"
  std::string title;
  while (title.size() < length) title += kPattern;
  title.resize(length);
  return title;
}

void LowerThenFind(benchmark::State& state) {
  const std::string bytes = TitleWithoutKeyword(static_cast<std::size_t>(state.range(0)));
  const Text title = Text::CopyUpToNul(bytes.data(), bytes.size());
  const Text keyword = Text::FromCString(kKeyword);
  for (auto _ : state) {
    const Text lowered = ToLowerText(title);
    benchmark::DoNotOptimize(FindText(lowered, keyword));
  }
}

void CopyThenMemmem(benchmark::State& state) {
  const std::string title = TitleWithoutKeyword(static_cast<std::size_t>(state.range(0)));
  std::vector<char> copy(title.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), title.data(), title.size());
    benchmark::DoNotOptimize(memmem(copy.data(), copy.size(), kKeyword, sizeof kKeyword - 1));
    benchmark::ClobberMemory();
  }
}

// Google Benchmark's own report goes to stderr; the medians are kept for the ratio table.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  MedianCollector() { SetOutputStream(&std::cerr); }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median") medians_[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  double Median(const std::string& name, int length) const {
    const auto found = medians_.find(name + "/" + std::to_string(length));
    return found != medians_.end() ? found->second : 0.0;
  }

 private:
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  // Random interleaving runs the repetitions of all benchmarks shuffled together, so noise
  // hits the program and the floor alike. Arguments given on the command line win.
  std::vector<char*> arguments{argv[0]};
  std::string defaults[] = {"--benchmark_repetitions=15", "--benchmark_enable_random_interleaving=true",
                            "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.1", "--benchmark_color=false"};
  for (std::string& flag : defaults) arguments.push_back(&flag[0]);
  arguments.insert(arguments.end(), argv + 1, argv + argc);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  for (int length : kTitleLengths) {
    benchmark::RegisterBenchmark("LowerThenFind", LowerThenFind)->Arg(length);
    benchmark::RegisterBenchmark("CopyThenMemmem", CopyThenMemmem)->Arg(length);
  }
  MedianCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  for (int length : kTitleLengths) {
    const std::string what = "ToLowerText+FindText vs memcpy+memmem: " + std::to_string(length) + " B";
    PrintRatioRow(what.c_str(), collector.Median("LowerThenFind", length), collector.Median("CopyThenMemmem", length), "ns");
  }
  return 0;
}
