#pragma once
#include <string>
#include <utility>
#include <vector>

namespace prefig::bench {

struct IniCorpusFile {
  std::string path;
  std::vector<std::pair<std::string, std::string>> keys;  // (section, key) in file order
};

// Machine-type-like INI files written into `dir`: `count` files of about 15 KB
// and 450 keys in about 15 sections with banners and CR LF line ends, plus a
// main file of 2000 keys. The same seed gives the same bytes.
std::vector<IniCorpusFile> WriteIniCorpus(const std::string& dir, int count, unsigned seed = 1);

// `count` machine type files `type<n>.mac` in `dir`, copies of the shipped
// templates (`*.TYP` of `templates_dir`, taken in turn) that differ in
// TYPENAME, DESCRIPTION and LOADORDER, as a shop's list of types does.
void WriteMachineTypes(const std::string& dir, const std::string& templates_dir, int count);

// Removes the directory tree when the program ends.
std::string MakeBenchDirectory(const char* name);

}  // namespace prefig::bench
