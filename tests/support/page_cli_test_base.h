#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig::test {

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
