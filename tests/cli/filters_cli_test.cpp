// prefig filters: the NC filter table, in the language of the configuration.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

TEST(FiltersCli, PrintsTheFilledTableInTheLanguageOfTheConfiguration) {
  test::IsolatedHome home;
  test::TempDir root;
  home.env().Set("LC_ALL", "C");
  test::ProgramResult english = Prefig({"filters", "--root", root.path()});
  ASSERT_EQ(english.exit_code, 0) << english.err;
  // The table's entries are the store's; here: one line each, tab-separated.
  EXPECT_EQ(english.out.rfind("ISO Milling\tMILLFANUCISO\tncfilter_fanuc\thttps://ns.prefig.example/namespace/nc/"
                              "format/iso/mill-fanuc\tNo\nISO Turning\t",
                              0),
            0u);
  EXPECT_EQ(std::count(english.out.begin(), english.out.end(), '\n'), 12);

  home.env().Set("LC_ALL", "de_DE.UTF-8");
  test::TempDir german_root;
  EXPECT_NE(Prefig({"filters", "--root", german_root.path()}).out.find("\nFanuc Drehen (G-Code A)\t"),
            std::string::npos);
}

}  // namespace
}  // namespace prefig
