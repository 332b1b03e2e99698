// The INI store against inih and SimpleIni on the same machine-type-like
// corpus, each case also as its ratio to the plain read() of the same bytes
// (reading) or to the plain atomic rewrite of the files (saving).
#define SI_CONVERT_ICU  // as Debian builds its libsimpleini
#include <SimpleIni.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <ini.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <unordered_map>

#include "corpus.h"
#include "ini/ini_file.h"
#include "ini/ini_text.h"
#include "ratio_reporter.h"

namespace prefig::bench {
namespace {

constexpr int kTypeFiles = 256;
constexpr int kChangedKeys = 50;

const std::vector<IniCorpusFile>& Corpus() {
  static const std::vector<IniCorpusFile> corpus = WriteIniCorpus(MakeBenchDirectory("read"), kTypeFiles);
  return corpus;
}

// A private copy of the corpus for a case that writes.
std::vector<IniCorpusFile> CopyOfCorpus(const char* name) {
  std::string dir = MakeBenchDirectory(name);
  std::vector<IniCorpusFile> copy = Corpus();
  for (IniCorpusFile& file : copy) {
    std::string target = dir + "/" + std::filesystem::path(file.path).filename().string();
    std::filesystem::copy_file(file.path, target);
    file.path = target;
  }
  return copy;
}

std::string ReadBytes(const std::string& path) {
  std::string text;
  int fd = ::open(path.c_str(), O_RDONLY);
  char buffer[65536];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
  ::close(fd);
  return text;
}

int64_t CorpusBytes() {
  int64_t bytes = 0;
  for (const auto& file : Corpus()) bytes += static_cast<int64_t>(std::filesystem::file_size(file.path));
  return bytes;
}

void PlainRead(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& file : Corpus()) benchmark::DoNotOptimize(ReadBytes(file.path));
  }
  state.SetBytesProcessed(state.iterations() * CorpusBytes());
}

void OursReadEveryKey(benchmark::State& state, bool shuffled) {
  std::vector<IniCorpusFile> corpus = Corpus();
  if (shuffled) {
    std::mt19937 rng(7);
    for (auto& file : corpus) std::shuffle(file.keys.begin(), file.keys.end(), rng);
  }
  char buffer[1024];
  for (auto _ : state) {
    for (const auto& file : corpus) {
      GIniFile ini;
      ini.Open(file.path);
      ini.SetCached(true);
      for (const auto& [section, key] : file.keys)
        benchmark::DoNotOptimize(ini.GetString(section, key, "", buffer, sizeof buffer));
      ini.SetCached(false);
    }
  }
}
void OursFileOrder(benchmark::State& state) { OursReadEveryKey(state, false); }
void OursRandomOrder(benchmark::State& state) { OursReadEveryKey(state, true); }

std::string FoldedKey(const char* section, const char* key) {
  std::string k = ini::UpperCase(section);
  k += '\0';
  k += ini::UpperCase(key);
  return k;
}

int InihHandler(void* user, const char* section, const char* name, const char* value) {
  auto& map = *static_cast<std::unordered_map<std::string, std::string>*>(user);
  map.emplace(FoldedKey(section, name), value);
  return 1;
}

void InihHashMap(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& file : Corpus()) {
      std::unordered_map<std::string, std::string> map;
      ini_parse(file.path.c_str(), InihHandler, &map);
      for (const auto& [section, key] : file.keys) {
        auto it = map.find(FoldedKey(section.c_str(), key.c_str()));
        benchmark::DoNotOptimize(it);
      }
    }
  }
}

void SimpleIniGet(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& file : Corpus()) {
      CSimpleIniA ini;
      ini.LoadFile(file.path.c_str());
      for (const auto& [section, key] : file.keys) benchmark::DoNotOptimize(ini.GetValue(section.c_str(), key.c_str()));
    }
  }
}

// The keys that a save changes: 50 spread over the file.
std::vector<std::pair<std::string, std::string>> ChangedKeys(const IniCorpusFile& file) {
  std::vector<std::pair<std::string, std::string>> keys;
  size_t step = file.keys.size() / kChangedKeys;
  for (size_t i = 1; i < file.keys.size() && keys.size() < kChangedKeys; i += step) keys.push_back(file.keys[i]);
  return keys;
}

void OursSave(benchmark::State& state) {
  std::vector<IniCorpusFile> corpus = CopyOfCorpus("ours-save");
  int round = 0;
  for (auto _ : state) {
    std::string value = "value " + std::to_string(++round);
    for (const auto& file : corpus) {
      GIniFile ini;
      ini.Open(file.path);
      ini.SetCached(true);
      for (const auto& [section, key] : ChangedKeys(file)) ini.WriteString(section, key, value);
      ini.SetCached(false);
    }
  }
}

void SimpleIniSave(benchmark::State& state) {
  std::vector<IniCorpusFile> corpus = CopyOfCorpus("simpleini-save");
  int round = 0;
  for (auto _ : state) {
    std::string value = "value " + std::to_string(++round);
    for (const auto& file : corpus) {
      CSimpleIniA ini;
      ini.LoadFile(file.path.c_str());
      for (const auto& [section, key] : ChangedKeys(file)) ini.SetValue(section.c_str(), key.c_str(), value.c_str());
      ini.SaveFile(file.path.c_str());
    }
  }
}

// A file whose 999 sections lack most of their keys, as an old macro
// library does: every key a load reads is missing, and its default is
// written back (SimpleIni: set where missing), then the file is saved.
constexpr int kSparseSections = 999;
constexpr int kMissingKeys = 30;

std::string SparseFile(const char* name) {
  std::string text;
  for (int s = 0; s < kSparseSections; ++s) text += "[MACRO" + std::to_string(s) + "]\r\nNAME=m\r\n\r\n";
  std::string path = MakeBenchDirectory(name) + "/sparse.mac";
  FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);
  return path;
}

template <typename FillAndSave>
void FillDefaults(benchmark::State& state, const char* name, FillAndSave fill_and_save) {
  std::string path = SparseFile(name), original = ReadBytes(path);
  for (auto _ : state) {
    state.PauseTiming();
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(original.data(), 1, original.size(), out);
    std::fclose(out);
    state.ResumeTiming();
    fill_and_save(path);
  }
}

void OursFillDefaults(benchmark::State& state) {
  FillDefaults(state, "ours-fill", [](const std::string& path) {
    GIniFile ini;
    ini.SetCached(true);
    ini.Open(path);
    for (int s = 0; s < kSparseSections; ++s) {
      std::string section = "MACRO" + std::to_string(s);
      for (int k = 0; k < kMissingKeys; ++k) ini.GetString(section, "KEY" + std::to_string(k), "default");
    }
    ini.SetCached(false);
  });
}

void SimpleIniFillDefaults(benchmark::State& state) {
  FillDefaults(state, "simpleini-fill", [](const std::string& path) {
    CSimpleIniA ini;
    ini.LoadFile(path.c_str());
    for (int s = 0; s < kSparseSections; ++s) {
      std::string section = "MACRO" + std::to_string(s);
      for (int k = 0; k < kMissingKeys; ++k) {
        std::string key = "KEY" + std::to_string(k);
        if (!ini.GetValue(section.c_str(), key.c_str())) ini.SetValue(section.c_str(), key.c_str(), "default");
      }
    }
    ini.SaveFile(path.c_str());
  });
}

// Read the file, write all of it to a new file beside it, rename it over the
// old one: the least any atomic save does. With `durable`, the new file is
// flushed to disk first, as the store does.
void AtomicRewrite(benchmark::State& state, bool durable) {
  std::vector<IniCorpusFile> corpus = CopyOfCorpus(durable ? "floor-sync" : "floor");
  for (auto _ : state) {
    for (const auto& file : corpus) {
      std::string text = ReadBytes(file.path);
      std::string temp = file.path + ".tmp";
      int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      benchmark::DoNotOptimize(::write(fd, text.data(), text.size()));
      if (durable) ::fdatasync(fd);
      ::close(fd);
      ::rename(temp.c_str(), file.path.c_str());
    }
  }
}
void AtomicRewriteFloor(benchmark::State& state) { AtomicRewrite(state, false); }
void DurableRewriteFloor(benchmark::State& state) { AtomicRewrite(state, true); }

}  // namespace
}  // namespace prefig::bench

using namespace prefig::bench;
BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(OursFileOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(OursRandomOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(InihHashMap)->Unit(benchmark::kMillisecond);
BENCHMARK(SimpleIniGet)->Unit(benchmark::kMillisecond);
BENCHMARK(AtomicRewriteFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(DurableRewriteFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(OursSave)->Unit(benchmark::kMillisecond);
BENCHMARK(SimpleIniSave)->Unit(benchmark::kMillisecond);
BENCHMARK(SimpleIniFillDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(OursFillDefaults)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter({
      {"reading every key of 257 files, against plain read()",
       "PlainRead",
       {"OursFileOrder", "OursRandomOrder", "InihHashMap", "SimpleIniGet"}},
      {"changing 50 keys per file and saving, against the atomic rewrite",
       "AtomicRewriteFloor",
       {"DurableRewriteFloor", "OursSave", "SimpleIniSave"}},
      {"changing 50 keys per file and saving, against the durable atomic rewrite",
       "DurableRewriteFloor",
       {"OursSave", "SimpleIniSave"}},
      {"writing back the defaults of 30 missing keys in each of 999 sections and saving, against SimpleIni",
       "SimpleIniFillDefaults",
       {"OursFillDefaults"}},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}
