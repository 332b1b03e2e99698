// Building the machine type list: first start from the templates, the
// default type, load order and unique identifiers, and bad folders.
#include "record/machine_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <regex>
#include <set>

#include "platform/module_log.h"
#include "schema/registry.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
namespace fs = std::filesystem;

const std::string kStagedTemplates = std::string(PREFIG_STAGE_DIR) + "/Templates";

class MachineListTest : public ::testing::Test {
 protected:
  TempDir dir;
  MachineListPlaces places{dir.File("Types"), dir.File("Templates"), "Plain text"};
  TypeContext context;
  GMachineList list;

  MachineListTest() {
    fs::create_directories(places.types_directory);
    context.load = LoadContext{.language = "en-US", .program_directory = dir.path()};
  }

  void WriteType(const std::string& file, const std::string& name, int load_order) {
    WriteFile(places.types_directory + "/" + file,
              "[GENERAL]\r\nTYPENAME=" + name + "\r\nDESCRIPTION=" + file +
                  "\r\nLOADORDER=" + std::to_string(load_order) +
                  "\r\nVERSION=80402\r\nLANGUAGE=en-US\r\n[INSPECT]\r\nFILTERURI=u\r\nFILTERTYPE=MILLFANUC\r\n");
  }

  std::string Stored(const std::string& file, const char* key) {
    GIniFile ini;
    ini.Open(places.types_directory + "/" + file);
    return ini.GetString("GENERAL", key);
  }
};

TEST_F(MachineListTest, AFirstStartMakesTheTypesFromTheTemplatesWithoutTheirTemplateWord) {
  fs::copy(kStagedTemplates, places.templates_directory);
  WriteFile(places.templates_directory + "/Extra.TYP", "[GENERAL]\r\nTYPENAME=X\r\nDESCRIPTION=Not listed\r\n");
  std::string template_before = ReadFile(places.templates_directory + "/ISO Mill.TYP");

  ASSERT_EQ(list.Build(places, context), 7);
  std::vector<std::string> descriptions;
  for (int i = 0; i < list.Count(); ++i) {
    descriptions.push_back(list.At(i).Description());
    EXPECT_EQ(list.At(i).LoadOrder(), i + 1);
    EXPECT_EQ(list.At(i).Description().find("Template"), std::string::npos);
  }
  EXPECT_EQ(descriptions, (std::vector<std::string>{"ISO Milling", "ISO Turning", "Heidenhain", "Haas Milling",
                                                    "Haas Turning", "Text file", "Formulas"}));
  EXPECT_EQ(list.At(1).IsTurning(), true);
  EXPECT_EQ(list.At(2).BasicType(), 1);
  EXPECT_EQ(Stored("ISO Mill.MAC", "DESCRIPTION"), "ISO Milling");
  EXPECT_EQ(ReadFile(places.templates_directory + "/ISO Mill.TYP"), template_before);
  EXPECT_FALSE(fs::exists(places.types_directory + "/Extra.MAC"));
}

TEST_F(MachineListTest, WithoutTypesOrTemplatesTheListHoldsTheDefaultType) {
  ASSERT_EQ(list.Build(places, context), 1);
  EXPECT_EQ(list.At(0).Name(), "Text");
  EXPECT_EQ(list.At(0).Description(), "Plain text");
  EXPECT_EQ(list.At(0).Path(), places.types_directory + "/Plain text.mac");
}

TEST_F(MachineListTest, LoadOrdersBecomeConsecutiveAndTheChangedTypesAreSaved) {
  WriteType("a.mac", "A", 9);
  WriteType("b.mac", "B", 5);
  WriteType("c.mac", "C", 5);
  ASSERT_EQ(list.Build(places, context), 3);
  EXPECT_EQ(list.At(2).Name(), "A");
  EXPECT_EQ(list.At(2).LoadOrder(), 3);
  std::set<std::string> orders{Stored("b.mac", "LOADORDER"), Stored("c.mac", "LOADORDER")};
  EXPECT_EQ(orders, (std::set<std::string>{"1", "2"}));
  EXPECT_EQ(Stored("a.mac", "LOADORDER"), "3");
}

TEST_F(MachineListTest, ASecondTypeWithTheSameIdentifierGetsANewOneAndIsSaved) {
  WriteType("first.mac", "SAME", 1);
  WriteType("second.mac", "SAME", 2);
  WriteType("other.mac", "same", 3);
  ASSERT_EQ(list.Build(places, context), 3);
  EXPECT_EQ(list.At(0).Name(), "SAME");
  EXPECT_TRUE(std::regex_match(list.At(1).Name(), std::regex("[0-9A-F]{8}"))) << list.At(1).Name();
  EXPECT_EQ(list.At(2).Name(), "same");
  EXPECT_EQ(Stored("second.mac", "TYPENAME"), list.At(1).Name());
  EXPECT_EQ(Stored("first.mac", "TYPENAME"), "SAME");
}

TEST_F(MachineListTest, AFolderOf300TypesGivesTheFirst256) {
  for (int i = 0; i < 300; ++i) WriteType("t" + std::to_string(i) + ".mac", "T" + std::to_string(i), i + 1);
  ASSERT_EQ(list.Build(places, context), GMachineList::kMax);
  EXPECT_EQ(list.At(GMachineList::kMax - 1).LoadOrder(), GMachineList::kMax);
}

TEST_F(MachineListTest, BadFilesAreSkippedOrCompletedAndNothingBreaks) {
  WriteType("good.MAC", "G", 1);
  WriteFile(places.types_directory + "/noise.mac", std::string("\0\xff[GENERAL\x01]\nTYPENAME=\xfe\n\0\0", 19));
  WriteFile(places.types_directory + "/garbage.mac",
            "[GENERAL]\nTYPENAME=GB\nDESCRIPTION=Garbage\nLOADORDER=zz\nBASICTYPE=77\n[GENERAL]\nTYPENAME=dup\n"
            "[MACHINETYPE]\nDECIMALCOUNT=-5\nCOMMENTSTART=\n[RENUM]\nINSERTSPACE=99999999999\n");
  std::string many = "[GENERAL]\nTYPENAME=M\nDESCRIPTION=Many\n[X]\n";
  for (int i = 0; i < 10000; ++i) many += "K" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  WriteFile(places.types_directory + "/many.mac", many);
  WriteFile(places.types_directory + "/notatype.txt", "[GENERAL]\nTYPENAME=N\nDESCRIPTION=N\n");
  fs::create_directory(places.types_directory + "/folder.mac");

  ASSERT_EQ(list.Build(places, context), 3);
  const GMachineType& garbage = list.At(list.Find("GB"));
  EXPECT_EQ(garbage.BasicType(), 3);
  EXPECT_EQ(garbage.Values().Int(schema::kDecimalCount), 0);
  EXPECT_EQ(garbage.Values().Text(schema::kCommentStart), "(");
  EXPECT_EQ(garbage.Values().Int(schema::kInsertSpace), 16);
  EXPECT_GE(list.Find("Many"), 0);
}

TEST_F(MachineListTest, AnUnreadableTypeFileIsSkipped) {
  WriteType("good.mac", "G", 1);
  WriteType("locked.mac", "L", 2);
  ::chmod((places.types_directory + "/locked.mac").c_str(), 0);
  EXPECT_TRUE(test::RunWithoutPrivileges(dir.path(), [&] {
    GMachineList unprivileged;
    return unprivileged.Build(places, context) == 1 && unprivileged.At(0).Name() == "G";
  }));
}

// A first start whose types folder cannot be made (a file stands in its
// place) copies no template, writes no type, leaves the templates as they
// were and says so in the module log.
TEST_F(MachineListTest, ATypesFolderThatCannotBeMadeWritesNothingAndIsLogged) {
  fs::copy(kStagedTemplates, places.templates_directory);
  const std::string template_before = ReadFile(places.templates_directory + "/ISO Mill.TYP");
  fs::remove_all(places.types_directory);
  WriteFile(places.types_directory, "a file in the folder's place");
  TempDir log_dir;
  SetLogFileName(log_dir.File("prefig.log"));
  int count = list.Build(places, context);
  SetLogFileName("");
  EXPECT_EQ(count, 0);
  EXPECT_EQ(ReadFile(places.types_directory), "a file in the folder's place");
  EXPECT_EQ(ReadFile(places.templates_directory + "/ISO Mill.TYP"), template_before);
  const std::string log = ReadFile(log_dir.File("prefig.log"));
  EXPECT_NE(log.find("TYPES : Could not copy template " + places.templates_directory + "/ISO Mill.TYP"),
            std::string::npos);
  EXPECT_NE(
      log.find("TYPES : Default type not written to " + places.types_directory + "/Plain text.mac: Not a directory"),
      std::string::npos);
}

}  // namespace
}  // namespace prefig
