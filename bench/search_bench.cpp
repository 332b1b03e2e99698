// A keystroke in the setup dialog's search: the search over every page of
// the tree (the controls that match, and the pages holding modified
// settings that the tree marks), on a record of 256 machine types of
// realistic size (copies of the shipped templates), in English, with the
// dialog opened at the General page, so that most pages are searched from
// their declarations and the record's values. Target: 5 ms a keystroke.
// The peer is the same search with only the General page's controls.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "corpus.h"
#include "module/module_state.h"
#include "pages/editor_setup_main.h"
#include "pages/setting_search.h"
#include "record/prefiguration.h"
#include "target_reporter.h"

namespace prefig::bench {
namespace {

constexpr int kTypes = 256;
constexpr double kKeystrokeTargetMs = 5;

struct Setup {
  GPrefiguration record;
  std::unique_ptr<DEditorSetupMain> dialog;
};
Setup* g_setup = nullptr;

bool Start(Setup& setup) {
  std::string root = MakeBenchDirectory("search");
  std::error_code error;
  std::filesystem::create_directory_symlink(PREFIG_STAGE_DIR "/msg", root + "/msg", error);
  ConfigPaths().SetProgramFile(root + "/prefig-host");
  WriteMachineTypes(ConfigPaths().GetPath(kTypesKey, {}, true), PREFIG_SOURCE_DIR "/resources/Templates", kTypes);
  if (setup.record.InitDnc(kMainIniName, true) != GConfiguration::kInitDone ||
      setup.record.MachineTypes().Count() != kTypes) {
    std::fprintf(stderr, "search_bench: the record of %d types did not start\n", kTypes);
    return false;
  }
  Module().record = &setup.record;
  setup.dialog = std::make_unique<DEditorSetupMain>(FeatureSwitchesOf(setup.record), true);
  setup.dialog->Open(1);
  return true;
}

// Typing "tabchars" a key at a time, then "ü" (no match): one iteration is one keystroke.
const char* const kKeystrokes[] = {"t", "ta", "tab", "tabc", "tabch", "tabcha", "tabchar", "tabchars", "ü"};

void Keystroke(benchmark::State& state) {
  size_t next = 0;
  size_t found = 0;
  for (auto _ : state) {
    const char* text = kKeystrokes[next++ % std::size(kKeystrokes)];
    auto matches = setting_search::Find(*g_setup->dialog, {text});
    auto modified = setting_search::Find(*g_setup->dialog, {{}, true});
    found += matches.size() + modified.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["matches"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}

// The peer: the General page alone, as a search of the page shown would be.
void PeerGeneralPageOnly(benchmark::State& state) {
  std::array<PageEntry, kPageCount> table = PageTable();
  for (PageEntry& entry : table) {
    if (entry.id != PageId::kGeneral) entry.make = nullptr;
  }
  DEditorSetupMain general_only(FeatureSwitchesOf(g_setup->record), true, table);
  general_only.Open(1);
  size_t next = 0;
  for (auto _ : state) {
    const char* text = kKeystrokes[next++ % std::size(kKeystrokes)];
    benchmark::DoNotOptimize(setting_search::Find(general_only, {text}));
    benchmark::DoNotOptimize(setting_search::Find(general_only, {{}, true}));
  }
}

}  // namespace

BENCHMARK(Keystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerGeneralPageOnly)->Unit(benchmark::kMillisecond);

}  // namespace prefig::bench

int main(int argc, char** argv) {
  using namespace prefig::bench;
  benchmark::Initialize(&argc, argv);
  Setup setup;
  if (!Start(setup)) return 1;
  g_setup = &setup;
  TargetReporter reporter(
      {{"a keystroke: every page against the General page alone", "PeerGeneralPageOnly", {"Keystroke"}}},
      {{"a keystroke's search over every page, 256 types", "Keystroke", "", kKeystrokeTargetMs, "ms"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintTargets();
  benchmark::Shutdown();
  setup.dialog.reset();
  prefig::Module().record = nullptr;
  g_setup = nullptr;
  return 0;
}
