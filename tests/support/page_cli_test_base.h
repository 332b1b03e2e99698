#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig::test {

// Every file under a configuration's root with its bytes, by relative
// path; the journal of saves (CFG/Journal) is left out.
inline std::map<std::string, std::string> ConfigurationFiles(const std::string& root) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    if (it->is_directory() && it->path().filename() == "Journal") {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file()) files[fs::relative(it->path(), root).string()] = ReadFile(it->path().string());
  }
  return files;
}

#ifdef PREFIG_CLI
// A configuration made by `prefig init` in a home of its own, in English,
// and `prefig page` run on it.
class PageCliTest : public ::testing::Test {
 protected:
  IsolatedHome home;
  TempDir root;
  PageCliTest() {
    home.env().Set("LC_ALL", "C");
    home.env().Set("LANG", "en_US.UTF-8");
    EXPECT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  }
  ProgramResult Page(std::vector<std::string> args) {
    args.insert(args.begin(), "page");
    args.insert(args.end(), {"--root", root.path()});
    return Prefig(args);
  }
};
#endif

}  // namespace prefig::test
