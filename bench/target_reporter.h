#pragma once
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ratio_reporter.h"

namespace prefig::bench {

// The ratios of RatioReporter, then each figure against a fixed target: the
// figure, the target, their ratio (within 1 meets it) and pass or fail.
// A figure is a case's time (in its unit) or one of its counters.
class TargetReporter : public RatioReporter {
 public:
  struct Target {
    std::string title;
    std::string name;     // the benchmark's name as printed
    std::string counter;  // empty: the time
    double target;
    std::string unit;
  };
  TargetReporter(std::vector<Group> groups, std::vector<Target> targets)
      : RatioReporter(std::move(groups)), targets_(std::move(targets)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    RatioReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations <= 0 || run.error_occurred) continue;
      figures_[run.benchmark_name()] = run.GetAdjustedRealTime();
      for (const auto& [name, counter] : run.counters) figures_[run.benchmark_name() + "#" + name] = counter.value;
    }
  }

  // Prints the ratios and the targets; false when a measured figure misses its target.
  bool PrintTargets() {
    PrintRatios();
    bool all_met = true;
    bool header = false;
    for (const Target& target : targets_) {
      auto it = figures_.find(target.counter.empty() ? target.name : target.name + "#" + target.counter);
      if (it == figures_.end()) continue;
      if (!header) {
        std::printf("\nTargets (figure / target; within 1 meets it):\n");
        header = true;
      }
      double ratio = it->second / target.target;
      bool met = ratio <= 1.0;
      all_met = all_met && met;
      std::printf("  %-52s %9.2f %-3s target %8.2f %-3s %6.2f  %s\n", target.title.c_str(), it->second,
                  target.unit.c_str(), target.target, target.unit.c_str(), ratio, met ? "pass" : "FAIL");
    }
    return all_met;
  }

 private:
  std::vector<Target> targets_;
  std::map<std::string, double> figures_;
};

}  // namespace prefig::bench
