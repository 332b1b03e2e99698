// prefig filters: the NC filter table, in the language of the configuration.
#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

test::ProgramResult Prefig(const std::vector<std::string>& args) { return test::RunProgram(PREFIG_CLI, args); }

TEST(FiltersCli, PrintsTheFilledTableInTheLanguageOfTheConfiguration) {
  test::IsolatedHome home;
  test::TempDir root;
  home.env().Set("LC_ALL", "C");
  test::ProgramResult english = Prefig({"filters", "--root", root.path()});
  ASSERT_EQ(english.exit_code, 0) << english.err;
  const std::string iso = "\thttps://ns.prefig.example/namespace/nc/format/iso/";
  EXPECT_EQ(english.out,
            "ISO Milling\tMILLFANUCISO\tncfilter_fanuc" + iso + "mill-fanuc\tNo\n"
            "ISO Turning\tTURNFANUCAISO\tncfilter_fanuc" + iso + "mill-fanuc\tYes\n"
            "Fanuc Milling\tMILLFANUC\tncfilter_fanuc" + iso + "mill-fanuc\tNo\n"
            "Fanuc Turning (G-Code A)\tTURNFANUCA\tncfilter_fanuc" + iso + "mill-fanuc\tYes\n"
            "Haas Milling\tMILLHAAS\tncfilter_fanuc" + iso + "mill-fanuc\tNo\n"
            "Haas Turning\tTURNHAAS\tncfilter_fanuc" + iso + "mill-fanuc\tYes\n"
            "Mazak ISO Milling\tMILLMAZAKISO\tncfilter_mazakiso" + iso + "mazakiso\tNo\n"
            "Mazak ISO Turning\tTURNMAZAKISO\tncfilter_mazakiso" + iso + "mazakiso\tYes\n"
            "Siemens 840D Mill (Adv)\tMILLS840DNEW\tncfilter_siemens" + iso + "mill-siemens\tNo\n"
            "Siemens 840D Turn (Adv)\tTURNS840DNEW\tncfilter_siemens" + iso + "mill-siemens\tYes\n"
            "Heidenhain\tHEIDENHAINNEW\tncfilter_heidenhain" + iso + "heidenhain\tNo\n"
            "Heidenhain ISO\tHEIDENHAINISO\tncfilter_heidiso" + iso + "heidiso\tNo\n");

  home.env().Set("LC_ALL", "de_DE.UTF-8");
  test::TempDir german_root;
  test::ProgramResult german = Prefig({"filters", "--root", german_root.path()});
  ASSERT_EQ(german.exit_code, 0) << german.err;
  EXPECT_EQ(german.out.substr(0, german.out.find('\t')), "ISO Fräsen");
  EXPECT_NE(german.out.find("\nFanuc Drehen (G-Code A)\t"), std::string::npos);
}

}  // namespace
}  // namespace prefig
