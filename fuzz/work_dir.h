#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace prefig::fuzz {

// A private directory for the files a target writes, made once per run
// (in memory when /dev/shm is there).
inline const std::string& WorkDir() {
  static const std::string dir = [] {
    std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/prefig-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) abort();
    return pattern;
  }();
  return dir;
}

}  // namespace prefig::fuzz
