// Evaluating every line of a 100 000-line two-channel program, as the
// multi-channel view does (channel start, channel end, synchronisation),
// with the Fanuc M3xx method and the Siemens WAITM method. Each case reports
// lines per second; the baseline is one bare regexec of the Fanuc
// synchronisation pattern per line.
#include <benchmark/benchmark.h>
#include <regex.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ratio_reporter.h"
#include "record/channel_parser.h"

namespace prefig::bench {
namespace {

constexpr int kLines = 100000;

// Two channels of kLines / 2 lines each: moves, tool changes, comments and a
// synchronisation every 25 lines.
std::vector<std::string> TwoChannelProgram(bool siemens) {
  std::vector<std::string> lines;
  lines.reserve(kLines);
  char buffer[160];
  for (int channel = 1; channel <= 2; ++channel) {
    if (siemens) {
      std::snprintf(buffer, sizeof buffer, "%%_N_PART_CH%d_MPF", channel);
    } else {
      std::snprintf(buffer, sizeof buffer, "O%d000 (CHANNEL %d)", channel, channel);
    }
    lines.emplace_back(buffer);
    for (int i = 1; lines.size() < static_cast<size_t>(kLines / 2 * channel); ++i) {
      int n = i * 10;
      if (i % 25 == 0) {
        if (siemens) {
          std::snprintf(buffer, sizeof buffer, "N%d WAITM(%d,1,2) ; WAIT FOR THE OTHER CHANNEL", n, i / 25 % 90 + 1);
        } else {
          std::snprintf(buffer, sizeof buffer, "N%d M%d (WAIT)", n, 300 + i / 25 % 100);
        }
      } else if (i % 25 == 7) {
        std::snprintf(buffer, sizeof buffer, siemens ? "N%d T=\"ROUGH_%d\" D1 ; TOOL" : "N%d T%04d (TOOL)", n, i % 12);
      } else if (i % 25 == 13) {
        std::snprintf(buffer, sizeof buffer, "N%d G96 S%d M3", n, 150 + i % 100);
      } else {
        std::snprintf(buffer, sizeof buffer, "N%d G1 X%d.%03d Z-%d.%03d F0.2", n, i % 90, i % 1000, i % 150, i % 997);
      }
      lines.emplace_back(buffer);
    }
  }
  return lines;
}

void EvaluateEveryLine(benchmark::State& state, int mode, bool siemens) {
  std::vector<std::string> program = TwoChannelProgram(siemens);
  ChannelSettings settings;
  settings.mode = mode;
  settings.comment_start = siemens ? ';' : '(';
  settings.comment_end = siemens ? '\0' : ')';
  settings.block_skip = "/";
  GChannelParser parser(settings);
  int syncs = 0;
  for (auto _ : state) {
    syncs = 0;
    for (const std::string& line : program) {
      benchmark::DoNotOptimize(parser.IsStart(line));
      benchmark::DoNotOptimize(parser.IsEnd(line));
      syncs += parser.Evaluate(line).result != 0;
    }
  }
  if (syncs != kLines / 25 - 2) state.SkipWithError("wrong number of synchronisations");
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kLines, benchmark::Counter::kIsRate);
}

void FanucMode2(benchmark::State& state) { EvaluateEveryLine(state, 2, false); }
void SiemensMode10(benchmark::State& state) { EvaluateEveryLine(state, 10, true); }

void BareRegexec(benchmark::State& state) {
  std::vector<std::string> program = TwoChannelProgram(false);
  regex_t regex;
  regcomp(&regex, "M(3[0-9][0-9])($|[^0-9])", REG_EXTENDED);
  regmatch_t match[2];
  for (auto _ : state) {
    for (const std::string& line : program) {
      benchmark::DoNotOptimize(regexec(&regex, line.c_str(), 2, match, 0));
    }
  }
  regfree(&regex);
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kLines, benchmark::Counter::kIsRate);
}

}  // namespace
}  // namespace prefig::bench

using namespace prefig::bench;
BENCHMARK(BareRegexec)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FanucMode2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SiemensMode10)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter({
      {"evaluating 100 000 lines, against one bare regexec per line",
       "BareRegexec/real_time",
       {"FanucMode2/real_time", "SiemensMode10/real_time"}},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
