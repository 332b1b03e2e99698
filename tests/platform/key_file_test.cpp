// Edits of mimeapps.list-like files change only their own lines.
#include "platform/key_file.h"

#include <gtest/gtest.h>

namespace prefig::platform::key_file {
namespace {

const std::string kUserFile =
    "# kept comment\n"
    "[Default Applications]\n"
    "text/plain=gedit.desktop\n"
    "image/png = eog.desktop;\n"
    "\n"
    "[Added Associations]\n"
    "text/plain=gedit.desktop;kate.desktop;\n";

TEST(KeyFile, ReadsEntriesOfAGroup) {
  EXPECT_EQ(Value(kUserFile, "Default Applications", "image/png"), "eog.desktop;");
  EXPECT_EQ(Value(kUserFile, "Added Associations", "text/plain"), "gedit.desktop;kate.desktop;");
  EXPECT_EQ(Value(kUserFile, "Default Applications", "Text/Plain"), std::nullopt);
  EXPECT_EQ(SplitList(" a.desktop;;b.desktop ;"), (std::vector<std::string>{"a.desktop", "b.desktop"}));
  EXPECT_EQ(JoinList({"a.desktop", "b.desktop"}), "a.desktop;b.desktop;");
}

TEST(KeyFile, AddedLinesGoAfterTheGroupsLastEntryAndComeOutAgain) {
  std::string text = kUserFile;
  EXPECT_TRUE(SetValue(text, "Default Applications", "text/x-velmo-nc", "ours.desktop;"));
  EXPECT_TRUE(SetValue(text, "Added Associations", "text/x-velmo-nc", "ours.desktop;"));
  EXPECT_EQ(text,
            "# kept comment\n"
            "[Default Applications]\n"
            "text/plain=gedit.desktop\n"
            "image/png = eog.desktop;\n"
            "text/x-velmo-nc=ours.desktop;\n"
            "\n"
            "[Added Associations]\n"
            "text/plain=gedit.desktop;kate.desktop;\n"
            "text/x-velmo-nc=ours.desktop;\n");
  EXPECT_FALSE(SetValue(text, "Added Associations", "text/x-velmo-nc", "ours.desktop;"));
  EXPECT_TRUE(RemoveValue(text, "Default Applications", "text/x-velmo-nc"));
  EXPECT_TRUE(RemoveValue(text, "Added Associations", "text/x-velmo-nc"));
  EXPECT_EQ(text, kUserFile);
  EXPECT_FALSE(RemoveValue(text, "Added Associations", "text/x-velmo-nc"));
  // Replacing a value keeps its place.
  EXPECT_TRUE(SetValue(text, "Default Applications", "text/plain", "ours.desktop"));
  EXPECT_EQ(text.substr(0, 62), "# kept comment\n[Default Applications]\ntext/plain=ours.desktop\n");
}

TEST(KeyFile, AGroupWeAddedGoesWhenItsLastEntryGoes) {
  for (const std::string& before : {std::string(), std::string("[Default Applications]\nx=y\n"),
                                    std::string("[Default Applications]\nx=y\n\n[Other]\nz=1\n")}) {
    std::string text = before;
    EXPECT_TRUE(SetValue(text, "Added Associations", "text/x-velmo-nc", "ours.desktop;"));
    EXPECT_TRUE(RemoveValue(text, "Added Associations", "text/x-velmo-nc"));
    EXPECT_EQ(text, before);
  }
}

}  // namespace
}  // namespace prefig::platform::key_file
