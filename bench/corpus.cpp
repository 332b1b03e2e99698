#include "corpus.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "ini/ini_text.h"

namespace prefig::bench {
namespace {

const char* const kSections[] = {"GENERAL", "LOADSAVE", "SYNTAX", "COLORS", "BACKPLOT", "TOOLSCAN", "MACHINE",
                                 "RENUMBER", "TOOLLIST", "COMPARE", "CADCAM", "MULTICHANNEL", "MACROINF",
                                 "FAVORITE", "FILTER", "PRINT", "DNC"};
const char* const kWords[] = {"COLOR", "TEXT", "MODE", "LIMIT", "PATH", "EXT", "FONT", "SIZE", "SHOW", "AXIS",
                              "TOOL", "FEED", "RATE", "UNITS", "START", "END", "SYNC", "CHANNEL", "LETTER", "STEP"};

std::string FileText(std::mt19937& rng, int sections, int keys_per_section, IniCorpusFile& file) {
  std::string text = "\r\n" + ini::Banner("INIFILEVERSION") + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";
  file.keys.emplace_back("INIFILEVERSION", "VERSION");
  for (int s = 0; s < sections; ++s) {
    std::string section = kSections[s % 17];
    if (s >= 17) section += std::to_string(s);
    text += "\r\n" + ini::Banner(section) + "\r\n\r\n[" + section + "]\r\n";
    for (int k = 0; k < keys_per_section; ++k) {
      std::string key = std::string(kWords[rng() % 20]) + kWords[rng() % 20] + std::to_string(k);
      std::string value;
      switch (rng() % 4) {
        case 0: value = std::to_string(rng() % 100000); break;
        case 1: value = (rng() % 2) ? "Yes" : "No"; break;
        case 2: value = std::to_string(rng() % 1000) + "." + std::to_string(rng() % 1000000); break;
        default: value = "G0 G1 G2 G3 X Y Z " + std::to_string(rng() % 100);
      }
      text += ini::KeyLine(key, value);
      file.keys.emplace_back(section, key);
    }
  }
  return text;
}

}  // namespace

std::vector<IniCorpusFile> WriteIniCorpus(const std::string& dir, int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<IniCorpusFile> files;
  for (int i = 0; i <= count; ++i) {
    IniCorpusFile file;
    bool main_file = i == count;
    char name[32];
    std::snprintf(name, sizeof name, main_file ? "VELMO.INI" : "TYPE%03d.mac", i);
    file.path = dir + "/" + name;
    std::string text = main_file ? FileText(rng, 40, 50, file) : FileText(rng, 15, 30, file);
    std::ofstream(file.path, std::ios::binary) << text;
    files.push_back(std::move(file));
  }
  return files;
}

std::string MakeBenchDirectory(const char* name) {
  std::string pattern = std::string("/tmp/prefig-bench-") + name + "-XXXXXX";
  if (!::mkdtemp(pattern.data())) std::abort();
  static std::vector<std::string> cleanup;
  static struct Remover {
    ~Remover() {
      for (auto& d : cleanup) std::filesystem::remove_all(d);
    }
  } remover;
  cleanup.push_back(pattern);
  return pattern;
}

}  // namespace prefig::bench
