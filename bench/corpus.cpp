#include "corpus.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "ini/ini_text.h"

namespace prefig::bench {
namespace {

const char* const kSections[] = {"GENERAL",  "LOADSAVE", "SYNTAX",   "COLORS",  "BACKPLOT", "TOOLSCAN",
                                 "MACHINE",  "RENUMBER", "TOOLLIST", "COMPARE", "CADCAM",   "MULTICHANNEL",
                                 "MACROINF", "FAVORITE", "FILTER",   "PRINT",   "DNC"};
const char* const kWords[] = {"COLOR", "TEXT", "MODE", "LIMIT", "PATH",  "EXT", "FONT", "SIZE",    "SHOW",   "AXIS",
                              "TOOL",  "FEED", "RATE", "UNITS", "START", "END", "SYNC", "CHANNEL", "LETTER", "STEP"};

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

// The text with the value of the line of `key` replaced; templates write
// "KEY<TAB>= value" with CR LF.
std::string WithValue(std::string text, const std::string& key, const std::string& value) {
  size_t line = text.find("\n" + key + "\t");
  if (line == std::string::npos) std::abort();
  size_t start = text.find("= ", line) + 2, end = text.find('\r', start);
  return text.replace(start, end - start, value);
}

std::string ValueOf(const std::string& text, const std::string& key) {
  size_t line = text.find("\n" + key + "\t");
  if (line == std::string::npos) std::abort();
  size_t start = text.find("= ", line) + 2;
  return text.substr(start, text.find('\r', start) - start);
}

}  // namespace

void WriteMachineTypes(const std::string& dir, const std::string& templates_dir, int count) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(templates_dir)) {
    if (entry.path().extension() == ".TYP") paths.push_back(entry.path());
  }
  if (paths.empty()) std::abort();
  std::sort(paths.begin(), paths.end());  // the same list whatever order the directory gives
  std::vector<std::string> templates;
  for (const auto& path : paths) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    templates.push_back(text.str());
  }
  std::filesystem::create_directories(dir);
  for (int i = 0; i < count; ++i) {
    const std::string& source = templates[static_cast<size_t>(i) % templates.size()];
    // The template's identifier with the number in its low half keeps the
    // identifiers distinct, so the list renames none of them.
    char name[16];
    std::snprintf(name, sizeof name, "%.4s%04X", ValueOf(source, "TYPENAME").c_str(), static_cast<unsigned>(i));
    std::string description = ValueOf(source, "DESCRIPTION");
    if (size_t word = description.find(" Template"); word != std::string::npos) description.erase(word);
    char number[16];
    std::snprintf(number, sizeof number, " %03d", i + 1);
    std::string text = WithValue(source, "TYPENAME", name);
    text = WithValue(text, "DESCRIPTION", description + number);
    text = WithValue(text, "LOADORDER", std::to_string(i + 1));
    std::ofstream(dir + "/type" + std::to_string(i) + ".mac", std::ios::binary) << text;
  }
}

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
