// Colouring every line of a 100 000-line milling program with the ISO Mill
// template's colour table, as the editor does when it opens a program.
// Target: at least one million lines per second on one core, that is the
// whole program within 100 ms of CPU time (CPU, not wall-clock time: the
// figure is one core's work, whatever else the machine runs). Peers in the same run: a bare pass that
// finds the line ends and reads every byte once, and the same colouring
// with multi-line comments and no colours in blocks.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <string>
#include <vector>

#include "record/nc_colouriser.h"
#include "target_reporter.h"

namespace prefig::bench {
namespace {

constexpr int kLines = 100000;
constexpr double kTargetMs = 100.0;  // 1 000 000 lines per second

// Moves, tool changes, comments, skipped blocks and macro lines.
std::string MillingProgram() {
  std::string program = "%\nO1001 (BENCH)\n";
  char buffer[160];
  for (int i = 1; i < kLines - 2; ++i) {
    int n = i * 10;
    switch (i % 20) {
      case 0: std::snprintf(buffer, sizeof buffer, "N%d T%d M06 (TOOL %d)\n", n, i % 12 + 1, i % 12 + 1); break;
      case 5: std::snprintf(buffer, sizeof buffer, "/N%d M00\n", n); break;
      case 9: std::snprintf(buffer, sizeof buffer, "#%d=#%d+%d.5\n", 100 + i % 50, 5221, i % 7); break;
      case 13:
        std::snprintf(buffer, sizeof buffer, "N%d G02 X%d.%03d Y%d. I%d. J0.\n", n, i % 90, i % 1000, i % 70, i % 9);
        break;
      default:
        std::snprintf(buffer, sizeof buffer, "N%d G01 X%d.%03d Y-%d.%03d Z-%d. F%d.\n", n, i % 90, i % 1000, i % 150,
                      i % 997, i % 25, 200 + i % 800);
    }
    program += buffer;
  }
  return program;
}

NcSyntax IsoMill() {
  NcSyntax syntax;
  const uint32_t fixed[kNcFixedColours] = {0x000000, 0xFFFFFF, 0x00FFFF, 0xC00000, 0x800000, 0x0000C0, 0x00C000,
                                           0xC00000, 0xC00000, 0xE0E0E0, 0xFF00FF, 0x0000FF, 0xCCCCCC, 0xD9D9D9};
  for (int i = 0; i < kNcFixedColours; ++i) syntax.fixed[i] = fixed[i];
  syntax.entries = {{"G", 41943040, 14}, {"M", 33554624, 15}, {"T", 41943168, 16}, {"F", 33570944, 17},
                    {"S", 33570944, 18}, {"N", 41975936, 19}, {"X", 0, 20},        {"Y", 0, 21},
                    {"Z", 0, 22},        {"I", 8421376, 23},  {"J", 8421376, 24},  {"K", 8421376, 25},
                    {"R", 8421376, 26},  {"H", 33587200, 27}, {"D", 33587200, 28}, {"O", 100663488, 29}};
  return syntax;
}

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Colour(benchmark::State& state, const NcSyntax& syntax) {
  std::string program = MillingProgram();
  NcColouriser colouriser(syntax);
  std::vector<NcSpan> spans;
  size_t total = 0;
  double cpu_start = ThreadCpuMs();
  for (auto _ : state) {
    NcLineState line_state;
    total = 0;
    std::string_view rest = program;
    while (!rest.empty()) {
      size_t end = rest.find('\n');
      colouriser.ColourLine(rest.substr(0, end), line_state, spans);
      total += spans.size();
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    benchmark::DoNotOptimize(total);
  }
  state.counters["cpu_ms"] = benchmark::Counter((ThreadCpuMs() - cpu_start) / static_cast<double>(state.iterations()));
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kLines, benchmark::Counter::kIsRate);
}

void ColourIsoMill(benchmark::State& state) { Colour(state, IsoMill()); }

void ColourFrameOnlyWithMultiLineComments(benchmark::State& state) {
  NcSyntax syntax = IsoMill();
  syntax.in_block = false;
  syntax.multi_line_comments = true;
  Colour(state, syntax);
}

void PeerReadEveryByte(benchmark::State& state) {
  std::string program = MillingProgram();
  for (auto _ : state) {
    size_t sum = 0;
    std::string_view rest = program;
    while (!rest.empty()) {
      size_t end = rest.find('\n');
      std::string_view line = rest.substr(0, end);
      for (char c : line) sum += static_cast<unsigned char>(c);
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kLines, benchmark::Counter::kIsRate);
}

}  // namespace
}  // namespace prefig::bench

using namespace prefig::bench;
BENCHMARK(PeerReadEveryByte)->Unit(benchmark::kMillisecond);
BENCHMARK(ColourIsoMill)->Unit(benchmark::kMillisecond);
BENCHMARK(ColourFrameOnlyWithMultiLineComments)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TargetReporter reporter(
      {{"colouring 100 000 lines, against reading every byte once",
        "PeerReadEveryByte",
        {"ColourIsoMill", "ColourFrameOnlyWithMultiLineComments"}}},
      {{"colouring 100 000 lines, ISO Mill table (CPU)", "ColourIsoMill", "cpu_ms", kTargetMs, "ms"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  bool met = reporter.PrintTargets();
  benchmark::Shutdown();
  return met ? 0 : 1;
}
