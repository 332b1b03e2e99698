// The cost of the journal of saves: changing 50 keys in each of 256
// machine-type-like files and the main file and saving them, once as one
// save through the journal (old contents and manifest written first, the
// files replaced, the entry marked complete, old entries pruned) and once
// without a journal. Target: the journal's save within 1.3 times the save
// without it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corpus.h"
#include "ini/ini_file.h"
#include "ini/journal_transaction.h"
#include "ratio_reporter.h"

namespace prefig::bench {
namespace {

constexpr int kTypeFiles = 256;
constexpr int kChangedKeys = 50;

std::vector<IniCorpusFile> Corpus(const char* name) { return WriteIniCorpus(MakeBenchDirectory(name), kTypeFiles); }

std::vector<std::pair<std::string, std::string>> KeysToChange(const IniCorpusFile& file) {
  std::vector<std::pair<std::string, std::string>> keys;
  size_t step = file.keys.size() / kChangedKeys;
  for (size_t i = 1; i < file.keys.size() && keys.size() < kChangedKeys; i += step) keys.push_back(file.keys[i]);
  return keys;
}

void SaveAll(const std::vector<IniCorpusFile>& corpus, const std::string& value) {
  for (const auto& file : corpus) {
    GIniFile ini;
    ini.Open(file.path);
    ini.SetCached(true);
    for (const auto& [section, key] : KeysToChange(file)) ini.WriteString(section, key, value);
    ini.SetCached(false);
  }
}

void SaveWithoutJournal(benchmark::State& state) {
  std::vector<IniCorpusFile> corpus = Corpus("plain-save");
  int round = 0;
  for (auto _ : state) SaveAll(corpus, "value " + std::to_string(++round));
}

void SaveWithJournal(benchmark::State& state) {
  std::vector<IniCorpusFile> corpus = Corpus("journal-save");
  auto attached = journal::AttachJournal(std::filesystem::path(corpus.front().path).parent_path().string());
  int round = 0;
  for (auto _ : state) {
    journal::JournalTransaction save;
    SaveAll(corpus, "value " + std::to_string(++round));
    if (save.Commit() != 0) state.SkipWithError("save failed");
  }
}

}  // namespace
}  // namespace prefig::bench

using namespace prefig::bench;
BENCHMARK(SaveWithoutJournal)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveWithJournal)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter({
      {"changing 50 keys in each of 257 files and saving them, with the journal against without (target 1.3)",
       "SaveWithoutJournal",
       {"SaveWithJournal"}},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
