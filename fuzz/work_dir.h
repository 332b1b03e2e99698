#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace prefig::fuzz {

// A private directory for the files a target writes, made once per run
// (in memory when /dev/shm is there).
inline const std::string& WorkDir() {
  static const std::string dir = [] {
    std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/prefig-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) {
      perror("fuzz: no work folder");
      abort();
    }
    return pattern;
  }();
  return dir;
}

// A file's whole text written, and read ("<missing>" when there is none).
inline void WriteText(const std::string& path, std::string_view text) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) {
    perror(("fuzz: cannot write " + path).c_str());
    abort();
  }
  if (!text.empty()) fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}

inline std::string ReadText(const std::string& path) {
  std::string text;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return "<missing>";
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  fclose(f);
  return text;
}

}  // namespace prefig::fuzz
