// GetPath is asked for every configuration file the editor opens, Reload
// once per start and after the paths dialog: both against the floor of
// what they must do anyway (build the string; read the file).
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "context/config_path_handler.h"
#include "corpus.h"
#include "platform/file_io.h"
#include "ratio_reporter.h"

namespace prefig::bench {
namespace {

const std::string& ProgramFile() {
  static const std::string program = [] {
    std::string dir = MakeBenchDirectory("paths");
    std::ofstream out(dir + "/ConfigPaths.cfg", std::ios::binary);
    out << "ROOTDIR = %APPDATA%\\%VENDORDIR%\\%PRODUCTDIR%\r\n"
           "CFG = %ROOTDIR%\\Cfg\r\n"
           "DATA = %ROOTDIR%\\Data\r\n"
           "MACHINES = %DATA%\\Machines\r\n"
           "TYPES = %ROOTDIR%\\Types\r\n"
           "TOOLLIBS = %MACHINES%\\ToolLibs\r\n"
           "LOG = %TEMP%\\Log\r\n";
    return dir + "/editor";
  }();
  return program;
}

void ConcatPath(benchmark::State& state) {
  GConfigPathHandler handler(ProgramFile());
  std::string dir = handler.Table().Find("TYPES") ? *handler.Table().Find("TYPES") : std::string();
  for (auto _ : state) {
    std::string path = dir + "/" + "Fanuc 0i milling.mac";
    benchmark::DoNotOptimize(path);
  }
}

void GetPath(benchmark::State& state) {
  GConfigPathHandler handler(ProgramFile());
  for (auto _ : state) {
    std::string path = handler.GetPath("types", "Fanuc 0i milling.mac");
    benchmark::DoNotOptimize(path);
  }
}

void PlainRead(benchmark::State& state) {
  std::string file = platform::DirectoryOf(ProgramFile()) + "/ConfigPaths.cfg";
  std::string text;
  for (auto _ : state) {
    platform::ReadWholeFile(file, text);
    benchmark::DoNotOptimize(text);
  }
}

void Reload(benchmark::State& state) {
  GConfigPathHandler handler(ProgramFile());
  for (auto _ : state) handler.Reload();
}

}  // namespace
}  // namespace prefig::bench

using namespace prefig::bench;
BENCHMARK(ConcatPath);
BENCHMARK(GetPath);
BENCHMARK(PlainRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(Reload)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter({
      {"the directory of a key with a file name, against building the string", "ConcatPath", {"GetPath"}},
      {"reading and resolving ConfigPaths.cfg, against reading it", "PlainRead", {"Reload"}},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
