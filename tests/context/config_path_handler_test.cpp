// Resolving ConfigPaths.cfg and GetPath, for a program file in a temporary
// directory.
#include "context/config_path_handler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "context/config_paths_file.h"
#include "platform/environment.h"
#include "platform/file_io.h"
#include "support/scoped_env.h"

namespace prefig {
namespace {

using test::WriteFile;

class PathHandler : public ::testing::Test {
 protected:
  PathHandler() {
    std::filesystem::create_directory(home_.dir().File("prog"));
    program_ = home_.dir().File("prog/editor.exe");
    home_.env().Set(GConfigPathHandler::kVendorOverride, std::nullopt);
    home_.env().Set(GConfigPathHandler::kProductOverride, std::nullopt);
  }
  std::string ProgramDir() const { return home_.dir().File("prog"); }
  void WritePaths(const std::string& text) { WriteFile(ProgramDir() + "/ConfigPaths.cfg", text); }

  test::IsolatedHome home_;
  std::string program_;
};

TEST_F(PathHandler, WithoutAFileEveryKeyIsASubdirectoryOfTheProgramDirectory) {
  GConfigPathHandler handler(program_);
  EXPECT_EQ(handler.ProgramDirectory(), ProgramDir());
  EXPECT_EQ(handler.ProductDirectory(), "editor8");
  EXPECT_EQ(handler.VendorDirectory(), "VELMO A/S");
  EXPECT_EQ(handler.GetPath("cfg"), ProgramDir() + "/CFG");
}

TEST_F(PathHandler, RootInTheUsersApplicationData) {
  WritePaths("ROOTDIR = %APPDATA%\\%VENDORDIR%\\%PRODUCTDIR%\r\nCFG=%ROOTDIR%\\Cfg\r\n");
  GConfigPathHandler handler(program_);
  EXPECT_EQ(handler.GetPath("ROOTDIR"), home_.AppData() + "/VELMO A/S/editor8");
  EXPECT_EQ(handler.GetPath("CFG", "Main.ini"), home_.AppData() + "/VELMO A/S/editor8/Cfg/Main.ini");

  home_.env().Set("APPDATA", std::nullopt);
  handler.Reload();
  EXPECT_EQ(handler.GetPath("ROOTDIR"), home_.ConfigHome() + "/VELMO A/S/editor8");
}

TEST_F(PathHandler, EnvironmentOverridesTheVendorAndProductNames) {
  WritePaths("ROOTDIR=/base/%VENDORDIR%/%PRODUCTDIR%\n");
  home_.env().Set(GConfigPathHandler::kProductOverride, "Workshop");
  home_.env().Set(GConfigPathHandler::kVendorOverride, "ACME");
  GConfigPathHandler handler(program_);
  EXPECT_EQ(handler.GetPath("ROOTDIR"), "/base/ACME/Workshop");
  home_.env().Set(GConfigPathHandler::kVendorOverride, "");
  handler.Reload();
  EXPECT_EQ(handler.GetPath("ROOTDIR"), "/base/VELMO A/S/Workshop");
}

TEST_F(PathHandler, KeysReferToEachOtherInAnyOrder) {
  WritePaths(
      "MACHINES = %TYPES%/machines\n"
      "TYPES = %DATA%/types\n"
      "DATA = %ROOTDIR%/data\n"
      "ROOTDIR = %EXEDIR%/root\n"
      "HOMEBASED = %HOME%/x/%PREFIG_NOT_SET%\n");
  GConfigPathHandler handler(program_);
  EXPECT_EQ(handler.GetPath("MACHINES"), ProgramDir() + "/root/data/types/machines");
  EXPECT_EQ(handler.GetPath("HOMEBASED"), home_.Home() + "/x/%PREFIG_NOT_SET%");
}

TEST_F(PathHandler, AKeyNamingItselfStopsAfterAHundredPasses) {
  WritePaths("LOOP = x%LOOP%\nSAME = %SAME%\n");
  GConfigPathHandler handler(program_);
  // Each pass doubles the text until the 1024-character tail holds it.
  EXPECT_EQ(handler.GetPath("LOOP"), std::string(1018, 'x') + "%LOOP%");
  EXPECT_EQ(handler.GetPath("SAME"), "%SAME%");
}

// Resolving skips the values that cannot hold a reference; it must give
// what trying every key on every value in every pass gives.
TEST_F(PathHandler, ResolvingGivesWhatTryingEveryKeyOnEveryValueGives) {
  const char* const keys[] = {"A", "B", "C", "ROOTDIR", "X%Y", "LONGER_KEY"};
  const char* const parts[] = {"%A%", "%B%", "%C%", "%ROOTDIR%", "%X%Y%", "%LONGER_KEY%", "%", "x", "/", "%a%",
                               "%EXEDIR%", "%%", "%B%%C%"};
  std::mt19937 rng(99);
  for (int trial = 0; trial < 300; ++trial) {
    std::string text;
    for (int line = static_cast<int>(rng() % 7); line > 0; --line) {
      text += std::string(keys[rng() % 6]) + " = ";
      for (int part = static_cast<int>(rng() % 6); part > 0; --part) text += parts[rng() % 13];
      text += "\n";
    }
    WritePaths(text);
    GConfigPathHandler handler(program_);

    PathTable expected;
    expected.Set("ROOTDIR", "%EXEDIR%");
    ParsePathsText(text, expected);
    auto hold_tail = [](std::string& value) {
      if (value.size() > GConfigPathHandler::kValueMax) value.erase(0, value.size() - GConfigPathHandler::kValueMax);
    };
    auto replace_first = [&](std::string& value, const std::string& token, const std::string& with) {
      size_t at = value.find(token);
      if (at == std::string::npos) return false;
      value.replace(at, token.size(), with);
      hold_tail(value);
      return true;
    };
    for (PathTable::Entry& entry : expected) {
      replace_first(entry.value, "%VENDORDIR%", handler.VendorDirectory());
      replace_first(entry.value, "%PRODUCTDIR%", handler.ProductDirectory());
      replace_first(entry.value, "%EXEDIR%", handler.ProgramDirectory());
    }
    for (int pass = 0; pass < GConfigPathHandler::kResolvePasses; ++pass) {
      bool replaced = false;
      for (const PathTable::Entry& reference : expected) {
        for (PathTable::Entry& entry : expected) {
          std::string with = reference.value;
          replaced |= replace_first(entry.value, "%" + reference.key + "%", with);
        }
      }
      if (!replaced) break;
    }
    ASSERT_EQ(handler.Table().size(), expected.size()) << text;
    auto it = expected.begin();
    for (const PathTable::Entry& entry : handler.Table()) {
      std::string value = platform::ExpandEnvironment(it->value, GConfigPathHandler::kExpandedMax).value_or(it->value);
      ASSERT_EQ(entry.key, it->key) << text;
      ASSERT_EQ(entry.value, value) << text;
      ++it;
    }
  }
}

TEST_F(PathHandler, AGrowingValueKeepsItsLast1024Characters) {
  WritePaths("BIG = %BIG%" + std::string(600, 'y') + "\nTAIL=/" + std::string(2000, 't') + "\n");
  GConfigPathHandler handler(program_);
  // The first pass doubles the text; its head, the reference included, is cut.
  EXPECT_EQ(handler.GetPath("BIG"), std::string(1024, 'y'));
  // A long value that does not grow stays whole.
  EXPECT_EQ(handler.GetPath("TAIL").size(), 2001u);
}

TEST_F(PathHandler, GetPathNormalisesSeparatorsQuotesAndBlanks) {
  WritePaths(
      "cfg = /srv//prefig\\\\cfg/\n"
      "NET = \\\\server\\share\\\\cnc\\\n"
      "QUOTED = \" /a b/\\\"\n"
      "TOP = /\n");
  GConfigPathHandler handler(program_);
  EXPECT_EQ(handler.GetPath("cfg", "main.ini"), "/srv/prefig/cfg/main.ini");
  EXPECT_EQ(handler.GetPath("NET"), "//server/share/cnc");
  EXPECT_EQ(handler.GetPath("QUOTED"), "/a b");
  EXPECT_EQ(handler.GetPath("TOP"), "/");
  EXPECT_EQ(handler.GetPath("CFG", "sub\\file.ini"), "/srv/prefig/cfg/sub/file.ini");
  EXPECT_EQ(GConfigPathHandler::NormalisePath("\t\"C:\\x\\\\y\\ \"\r"), "C:/x/y");
}

TEST_F(PathHandler, ReloadSeesANewFile) {
  GConfigPathHandler handler(program_);
  EXPECT_EQ(handler.GetPath("CFG"), ProgramDir() + "/CFG");
  WritePaths("cfg = /new/cfg   # the shop's settings\r\n");
  EXPECT_EQ(handler.GetPath("CFG"), ProgramDir() + "/CFG");
  handler.Reload();
  EXPECT_EQ(handler.GetPath("CFG"), "/new/cfg");
}

}  // namespace
}  // namespace prefig
