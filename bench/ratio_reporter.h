#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace prefig::bench {

// The console output of Google Benchmark, then each case as a ratio to the
// baseline that was measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Group {
    std::string title;
    std::string baseline;
    std::vector<std::string> cases;
  };
  explicit RatioReporter(std::vector<Group> groups) : groups_(std::move(groups)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
  }

  void PrintRatios() const {
    for (const Group& group : groups_) {
      auto base = times_.find(group.baseline);
      if (base == times_.end() || base->second <= 0) continue;
      std::printf("\nRatios, %s (%s = 1):\n", group.title.c_str(), group.baseline.c_str());
      for (const std::string& name : group.cases) {
        auto it = times_.find(name);
        if (it != times_.end()) std::printf("  %-22s %8.2f\n", name.c_str(), it->second / base->second);
      }
    }
  }

 private:
  std::vector<Group> groups_;
  std::map<std::string, double> times_;
};

}  // namespace prefig::bench
