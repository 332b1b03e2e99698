// Initialising the machine type list: 256 complete machine types of
// realistic size (every key present, nothing to write), and 256 new files
// that get every key written. Against the plain read() of the bytes of the
// 256 complete files, and per type. Target: complete types within 20 times
// the plain read.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "corpus.h"
#include "platform/file_io.h"
#include "ratio_reporter.h"
#include "record/machine_list.h"

namespace prefig::bench {
namespace {

namespace fs = std::filesystem;
constexpr int kTypes = 256;
// The complete types come without tools and with a tool list of 12 (a
// small machining centre's magazine), both in the machine type files.
constexpr int kToolLists[] = {0, 12};

TypeContext Context() {
  TypeContext context;
  context.load.language = "en-US";
  return context;
}

std::string ReadText(const std::string& path) {
  std::string text;
  platform::ReadWholeFile(path, text);
  return text;
}

void WriteText(const std::string& path, const std::string& text) { platform::ReplaceFile(path, text); }

// One complete machine type: a shipped template with `tools` tools, read
// once so that it holds every key.
std::string CompleteType(int tools) {
  std::string dir = MakeBenchDirectory("template");
  std::string path = dir + "/Mill.mac";
  fs::copy_file(std::string(PREFIG_SOURCE_DIR) + "/resources/Templates/ISO Mill.TYP", path);
  GMachineType type(path);
  type.Load(Context());
  for (int i = 0; i < tools; ++i) {
    ToolRecord tool;
    tool.number = i + 1;
    tool.name = "END MILL D" + std::to_string(i + 2);
    tool.diameter = std::to_string(i + 2);
    tool.flute_length = "25";
    type.MillTools().Tools().push_back(tool);
  }
  type.Save();
  return ReadText(path);
}

// The text with the value of the first line starting with `key` replaced.
std::string WithValue(std::string text, const std::string& key, const std::string& value) {
  size_t line = text.find("\n" + key);
  if (line == std::string::npos) return text;
  size_t start = text.find("= ", line) + 2, end = text.find('\r', start);
  return text.replace(start, end - start, value);
}

std::string WithIdentity(const std::string& text, int i) {
  std::string out = WithValue(text, "TYPENAME", "T" + std::to_string(i));
  out = WithValue(out, "DESCRIPTION", "Machine " + std::to_string(i));
  return WithValue(out, "LOADORDER", std::to_string(i + 1));
}

const std::string& CompleteDirectory(int tools) {
  static std::map<int, std::string> directories;
  std::string& dir = directories[tools];
  if (dir.empty()) {
    dir = MakeBenchDirectory("complete");
    std::string complete = CompleteType(tools);
    for (int i = 0; i < kTypes; ++i) WriteText(dir + "/type" + std::to_string(i) + ".mac", WithIdentity(complete, i));
  }
  return dir;
}

std::vector<std::string> Files(const std::string& dir) {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(dir)) files.push_back(entry.path().string());
  return files;
}

int64_t Bytes(const std::vector<std::string>& files) {
  int64_t bytes = 0;
  for (const std::string& file : files) bytes += static_cast<int64_t>(fs::file_size(file));
  return bytes;
}

void PerType(benchmark::State& state) {
  state.counters["per type"] = benchmark::Counter(static_cast<double>(state.iterations()) * kTypes,
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void PlainRead(benchmark::State& state) {
  std::vector<std::string> files = Files(CompleteDirectory(static_cast<int>(state.range(0))));
  char buffer[65536];
  for (auto _ : state) {
    for (const std::string& file : files) {
      int fd = ::open(file.c_str(), O_RDONLY);
      while (::read(fd, buffer, sizeof buffer) > 0) {}
      ::close(fd);
    }
  }
  state.SetBytesProcessed(state.iterations() * Bytes(files));
  PerType(state);
}

void InitialiseCompleteTypes(benchmark::State& state) {
  const std::string& dir = CompleteDirectory(static_cast<int>(state.range(0)));
  MachineListPlaces places{dir, "", "Text"};
  TypeContext context = Context();
  for (auto _ : state) {
    GMachineList list;
    if (list.Build(places, context) != kTypes) state.SkipWithError("types missing");
  }
  state.SetBytesProcessed(state.iterations() * Bytes(Files(dir)));
  PerType(state);
}

void InitialiseNewTypes(benchmark::State& state) {
  std::string dir = MakeBenchDirectory("new");
  MachineListPlaces places{dir, "", "Text"};
  TypeContext context = Context();
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < kTypes; ++i) {
      WriteText(dir + "/type" + std::to_string(i) + ".mac", "[GENERAL]\r\nTYPENAME=T" + std::to_string(i) +
                                                                "\r\nDESCRIPTION=Machine " + std::to_string(i) +
                                                                "\r\nLOADORDER=" + std::to_string(i + 1) + "\r\n");
    }
    state.ResumeTiming();
    GMachineList list;
    if (list.Build(places, context) != kTypes) state.SkipWithError("types missing");
  }
  PerType(state);
}

}  // namespace

BENCHMARK(PlainRead)->Arg(kToolLists[0])->Arg(kToolLists[1])->Unit(benchmark::kMillisecond);
BENCHMARK(InitialiseCompleteTypes)->Arg(kToolLists[0])->Arg(kToolLists[1])->Unit(benchmark::kMillisecond);
BENCHMARK(InitialiseNewTypes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace prefig::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  prefig::bench::RatioReporter reporter({
      {"256 complete machine types without tools, against plain read() of their bytes",
       "PlainRead/0",
       {"InitialiseCompleteTypes/0", "InitialiseNewTypes/iterations:3"}},
      {"256 complete machine types with 12 tools each, against plain read() of their bytes",
       "PlainRead/12",
       {"InitialiseCompleteTypes/12"}},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
