#include "ini/journal_keys.h"

#include <gtest/gtest.h>

namespace prefig::journal {
namespace {

using Keys = std::vector<std::string>;

TEST(JournalKeysTest, NamesChangedAddedAndRemovedKeysAsTheStoreReadsThem) {
  const std::string before =
      "; hand-made\r\n[SYSTEM]\r\nTABCHARS\t= 4\r\nBEEP = Yes\r\nGONE = 1\r\n[EDITOR]\r\nFONT = Courier\r\n";
  const std::string after =
      "; hand-made, edited\r\n[system]\r\ntabchars = 8\r\nBEEP=Yes\r\n[EDITOR]\r\nFONT = Courier\r\nNEW = 1\r\n";
  EXPECT_EQ(ChangedKeys(before, after), (Keys{"system/tabchars", "EDITOR/NEW", "SYSTEM/GONE"}));
  EXPECT_EQ(ChangedKeys(after, after), Keys{});
}

TEST(JournalKeysTest, SecondCopiesOfSectionsAndKeysAreNotSeen) {
  const std::string before = "[A]\r\nK = 1\r\nK = 2\r\n[A]\r\nL = 1\r\n";
  const std::string after = "[A]\r\nK = 1\r\nK = 3\r\n[A]\r\nL = 2\r\n";
  EXPECT_EQ(ChangedKeys(before, after), Keys{});
  EXPECT_EQ(ChangedKeys("", "[A]\r\nK = 1\r\n"), Keys{"A/K"});
  EXPECT_EQ(ChangedKeys("[A]\r\nK = 1\r\n", ""), Keys{"A/K"});
  EXPECT_EQ(ChangedKeys("not an ini file", "machine 1\nmachine 2\n"), Keys{});
}

}  // namespace
}  // namespace prefig::journal
