// Loading a machine type with a macro library: a complete type (the ISO
// Mill template read once) without macros, with 200 macros and with the
// largest library a file may count (1024 macros), each macro of 8 lines
// and 10 parameters, every key present. Against inih parsing the same file
// into a hash map of every key and value, and the plain read() of its
// bytes. Target: the type with its macros, its model built, in no more
// time than inih takes to parse the file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ini.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>

#include "corpus.h"
#include "ratio_reporter.h"
#include "record/machine_type.h"
#include "schema/macro_library.h"

namespace prefig::bench {
namespace {

namespace fs = std::filesystem;
constexpr int kParameters = 10;
constexpr int kLines = 8;

TypeContext Context() {
  TypeContext context;
  context.load.language = "en-US";
  return context;
}

Macro MakeMacro(int number) {
  Macro macro;
  macro.fields.Set(schema::kMacroName, "Cycle " + std::to_string(number));
  macro.fields.Set(schema::kMacroGroup, number % 8);
  for (int line = 0; line < kLines; ++line) {
    std::string text =
        "G1 X$" + std::to_string(line + 1) + " Y@" + std::to_string(line + 3) + " F$" + std::to_string(kParameters);
    macro.lines.push_back(text);
  }
  macro.parameters.resize(kParameters);
  for (int p = 0; p < kParameters; ++p) {
    macro.parameters[p].fields.Set(schema::kParameterDescription, "Value " + std::to_string(p + 1));
    macro.parameters[p].fields.Set(schema::kParameterDefault, std::to_string(p * 10));
  }
  return macro;
}

// A complete type file with `macros` macros, made once per count.
const std::string& TypeFile(int macros) {
  static std::map<int, std::string> files;
  std::string& path = files[macros];
  if (path.empty()) {
    path = MakeBenchDirectory("macros") + "/Mill.mac";
    fs::copy_file(std::string(PREFIG_SOURCE_DIR) + "/resources/Templates/ISO Mill.TYP", path);
    GMachineType type(path);
    type.Load(Context());
    for (int i = 0; i < macros; ++i) type.Macros().Macros().push_back(MakeMacro(i));
    type.Macros().Groups().assign(8, "Group");
    type.Macros().SetChanged();
    type.Save();
    GMachineType complete(path);  // reading once more leaves every key in place
    complete.Load(Context());
  }
  return path;
}

void PlainRead(benchmark::State& state) {
  const std::string& file = TypeFile(static_cast<int>(state.range(0)));
  char buffer[65536];
  for (auto _ : state) {
    int fd = ::open(file.c_str(), O_RDONLY);
    while (::read(fd, buffer, sizeof buffer) > 0) {}
    ::close(fd);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
}

int InihHandler(void* user, const char* section, const char* name, const char* value) {
  auto& map = *static_cast<std::unordered_map<std::string, std::string>*>(user);
  std::string key = section;
  key += '\0';
  key += name;
  map.emplace(std::move(key), value);
  return 1;
}

void InihHashMap(benchmark::State& state) {
  const std::string& file = TypeFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::unordered_map<std::string, std::string> map;
    ini_parse(file.c_str(), InihHandler, &map);
    benchmark::DoNotOptimize(map);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
}

void LoadType(benchmark::State& state) {
  const std::string& file = TypeFile(static_cast<int>(state.range(0)));
  TypeContext context = Context();
  for (auto _ : state) {
    GMachineType type(file);
    if (!type.Load(context) || type.Macros().Macros().size() != static_cast<size_t>(state.range(0))) {
      state.SkipWithError("macros missing");
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
}

}  // namespace

BENCHMARK(PlainRead)->Arg(0)->Arg(200)->Arg(schema::kMacroCountMax)->Unit(benchmark::kMillisecond);
BENCHMARK(InihHashMap)->Arg(0)->Arg(200)->Arg(schema::kMacroCountMax)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadType)->Arg(0)->Arg(200)->Arg(schema::kMacroCountMax)->Unit(benchmark::kMillisecond);

}  // namespace prefig::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  prefig::bench::RatioReporter reporter({
      {"a machine type without macros, against inih", "InihHashMap/0", {"LoadType/0", "PlainRead/0"}},
      {"a machine type with 200 macros, against inih", "InihHashMap/200", {"LoadType/200", "PlainRead/200"}},
      {"a machine type with 1024 macros, against inih", "InihHashMap/1024", {"LoadType/1024", "PlainRead/1024"}},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
