// prefig init and prefig types: the record built against a folder, from the
// staged program's templates, protocols and message files.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

namespace fs = std::filesystem;

std::string ExpectedList(const std::string& types) {
  return "1\t49534F4D\tISO Milling\t" + types +
         "/ISO Mill.MAC\n"
         "2\t49534F4C\tISO Turning\t" +
         types +
         "/ISO Lathe.MAC\n"
         "3\t48454944\tHeidenhain\t" +
         types +
         "/HEIDENHAIN.MAC\n"
         "4\t4841534D\tHaas Milling\t" +
         types +
         "/Haas Milling.MAC\n"
         "5\t4841534C\tHaas Turning\t" +
         types +
         "/Haas Lathe.MAC\n"
         "6\t54455854\tText file\t" +
         types +
         "/TEXTFILE.MAC\n"
         "7\t464F524D\tFormulas\t" +
         types + "/Formulas.MAC\n";
}

class TypesCli : public ::testing::Test {
 protected:
  test::IsolatedHome home;
  test::TempDir root;
  TypesCli() { home.env().Set("LC_ALL", "C"); }
};

TEST_F(TypesCli, InitOnAnEmptyFolderMakesTheTypesFromTheTemplatesAndListChangesNothing) {
  test::ProgramResult listed = Prefig({"types", "list", "--root", root.path()});
  ASSERT_EQ(listed.exit_code, 0) << listed.err;
  EXPECT_EQ(listed.out, ExpectedList(root.File("TYPES")));
  EXPECT_TRUE(fs::is_empty(root.path()));

  test::ProgramResult init = Prefig({"init", "--root", root.path()});
  ASSERT_EQ(init.exit_code, 0) << init.err;
  EXPECT_EQ(init.out, ExpectedList(root.File("TYPES")));
  EXPECT_TRUE(fs::exists(root.File("TYPES/Formulas.MAC")));
  std::string main_ini = test::ReadFile(root.File("CFG/Prefig.ini"));
  EXPECT_NE(main_ini.find("TABCHARS\t= 8\r\n"), std::string::npos);

  std::string heidenhain = test::ReadFile(root.File("TYPES/HEIDENHAIN.MAC"));
  EXPECT_EQ(Prefig({"init", "--root", root.path()}).out, init.out);
  EXPECT_EQ(test::ReadFile(root.File("TYPES/HEIDENHAIN.MAC")), heidenhain);
}

TEST_F(TypesCli, ShowPrintsEverySettingOfATypeOrOneSection) {
  ASSERT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  test::ProgramResult show = Prefig({"types", "show", "heidenhain", "machinetype", "--root", root.path()});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  EXPECT_EQ(show.out.rfind("MACHINETYPE/BLOCKSKIP=/\nMACHINETYPE/COMMENTSTART=;\nMACHINETYPE/COMMENTEND=\n"
                           "MACHINETYPE/DECIMAL=.\n",
                           0),
            0u);
  EXPECT_EQ(show.out.find("GENERAL/"), std::string::npos);

  EXPECT_NE(Prefig({"types", "show", "7", "--root", root.path()}).out.find("GENERAL/DESCRIPTION=Formulas\n"),
            std::string::npos);
  test::ProgramResult missing = Prefig({"types", "show", "8", "--root", root.path()});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "prefig: no machine type 8\n");
}

TEST_F(TypesCli, BackplotPrintsTheParameterStringOfAType) {
  ASSERT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  test::ProgramResult lathe = Prefig({"types", "backplot", "ISO Turning", "--root", root.path()});
  ASSERT_EQ(lathe.exit_code, 0) << lathe.err;
  EXPECT_EQ(lathe.out,
            "PLOTTYPE=TURNFANUCAISO;ARCMODE=0;POSITIVEX=1;LATHEFLIP=0;DIAMETERPRG=1;DIAMETERARC=0;SHOWCYCLES=1;"
            "DRAWNULLARCS=1;IGNOREM6=1;IGNORET0=1;USEUVW=1;IS5AXIS=0;USEMILI=0;TOOLPREFIX='T';IGNOREBLOCKSKIP=0;"
            "COMMENTSTART=40;COMMENTEND=41;MLCENABLED=0;MLCSTART='/*';MLCEND='*/';DECIMALCOUNT=3;FEED='F';"
            "SPEED='S';TOOLCHANGE='T';TOOLLOADCMD='M6';BLOCKSKIPAFTER=1;TOOLLOAD=;UNITS=mm;RAPIDUNITS=mm/min;"
            "TURNUNITS=mm;TURNRAPIDUNITS=unit/min;RAPIDRATE=10000;MAPLETTER=;\n");
  EXPECT_EQ(Prefig({"types", "backplot", "99", "--root", root.path()}).exit_code, 1);
}

TEST_F(TypesCli, DiffPrintsTheSettingsInWhichTwoTypesDiffer) {
  ASSERT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  std::string copy = root.File("TYPES/Copy.MAC");
  fs::copy_file(root.File("TYPES/ISO Mill.MAC"), copy);
  ASSERT_EQ(Prefig({"ini", "set", copy, "GENERAL", "DESCRIPTION", "ISO Copy"}).exit_code, 0);
  test::ProgramResult same = Prefig({"types", "diff", "ISO Milling", "ISO Copy", "--root", root.path()});
  ASSERT_EQ(same.exit_code, 0) << same.err;
  EXPECT_EQ(same.out, "");

  ASSERT_EQ(Prefig({"ini", "set-raw", copy, "GLOBALCOLORLIST", "FIXCOLOR1", "255"}).exit_code, 0);
  EXPECT_EQ(Prefig({"types", "diff", "ISO Milling", "ISO Copy", "--root", root.path()}).out,
            "GLOBALCOLORLIST/FIXCOLOR1\t16777215\t255\n");

  // A key the file lacks is its loaded default, as in a file of an older
  // version: BLOCKSKIPAFTER holds its default, SKIP does not.
  std::string text = test::ReadFile(copy);
  for (const char* line : {"BLOCKSKIPAFTER\t= Yes\r\n", "SKIP\t\t= %,O,:\r\n"}) {
    size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos) << line;
    text.erase(at, std::string(line).size());
  }
  test::WriteFile(copy, text);
  EXPECT_EQ(Prefig({"types", "diff", "ISO Milling", "ISO Copy", "--root", root.path()}).out,
            "GLOBALCOLORLIST/FIXCOLOR1\t16777215\t255\nRENUM/SKIP\t%,O,:\t\n");
}

TEST_F(TypesCli, DiffComparesMacrosByNameAndText) {
  ASSERT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  std::string copy = root.File("TYPES/Copy.MAC");
  fs::copy_file(root.File("TYPES/ISO Mill.MAC"), copy);
  ASSERT_EQ(Prefig({"ini", "set", copy, "GENERAL", "DESCRIPTION", "ISO Copy"}).exit_code, 0);
  auto add_macro = [](const std::string& file, const char* name, const char* text) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"MACROINF", "COUNT", "1"}, std::vector<std::string>{"MACRO000", "NAME", name},
          std::vector<std::string>{"MACRO000", "TEXT", text}}) {
      args.insert(args.begin(), {"ini", "set-raw", file});
      ASSERT_EQ(Prefig(args).exit_code, 0);
    }
  };
  add_macro(root.File("TYPES/ISO Mill.MAC"), "Drill", "G81 Z$1\xFFG80");
  add_macro(copy, "Drill", "G81 Z$1\xFFG80");
  EXPECT_EQ(Prefig({"types", "diff", "ISO Milling", "ISO Copy", "--root", root.path()}).out, "");
  add_macro(copy, "Drill", "G83 Z$1\xFFG80");
  EXPECT_EQ(Prefig({"types", "diff", "ISO Milling", "ISO Copy", "--root", root.path()}).out,
            "MACRO/Drill\tG81 Z$1\\nG80\tG83 Z$1\\nG80\n");
  add_macro(copy, "Bore", "G85");
  EXPECT_EQ(Prefig({"types", "diff", "ISO Milling", "ISO Copy", "--root", root.path()}).out,
            "MACRO/Drill\tG81 Z$1\\nG80\t\nMACRO/Bore\t\tG85\n");
}

TEST_F(TypesCli, DiffWithoutASecondTypeComparesWithANewTypeOfTheSameBasicType) {
  ASSERT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  test::ProgramResult diff = Prefig({"types", "diff", "ISO Milling", "--root", root.path()});
  ASSERT_EQ(diff.exit_code, 0) << diff.err;
  EXPECT_NE(diff.out.find("\nLOADSAVE/LOADEXT\tNCL,ISO,TAP,NC1\tNCL,ISO\n"), std::string::npos) << diff.out;
  EXPECT_NE(diff.out.find("\nRENUM/SKIP\t%,O,:\t\n"), std::string::npos);
  EXPECT_EQ(diff.out.find("GENERAL/DESCRIPTION"), std::string::npos);
  EXPECT_FALSE(fs::exists(root.File("TYPES/new.MAC")));
  EXPECT_EQ(Prefig({"types", "diff", "ISO Milling", "99", "--root", root.path()}).exit_code, 1);
}

}  // namespace
}  // namespace prefig
