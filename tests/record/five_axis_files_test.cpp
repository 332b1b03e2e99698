#include "record/five_axis_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace prefig {
namespace {

// The default record renamed.
std::string Named(std::string_view name) {
  std::string line(kDefaultFiveAxisText);
  return line.replace(2, 6, name);
}

TEST(FiveAxisFiles, ReadingSkipsWhatIsNoRecord) {
  // Name lengths that make the line exactly 4095 and 4096 bytes long.
  std::string longest = Named(std::string(4095 - kDefaultFiveAxisText.size() + 6, 'L'));
  std::string too_long = Named(std::string(4096 - kDefaultFiveAxisText.size() + 6, 'T'));
  ASSERT_EQ(longest.size(), 4095u);
  std::string text = "# comment\r\n" + Named("One") + "\r\n\r\n1$broken\n" + Named("Two") + "\n" + too_long + "\n" +
                     std::string(1, '\0') + Named("Nul") + "\n" + longest + "\r\n" + Named("Last");
  auto records = ParseFiveAxisLines(text);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].name, "One");
  EXPECT_EQ(records[1].name, "Two");
  EXPECT_EQ(records[2].name, std::string(127, 'L'));
  EXPECT_EQ(records[3].name, "Last");
}

TEST(FiveAxisFiles, WritesOneLinePerRecordAndReadsThemBack) {
  test::TempDir dir;
  std::string path = UserFiveAxisFile(dir.path());
  EXPECT_TRUE(ReadFiveAxisFile(path).empty());
  FiveAxisRecord a = DefaultFiveAxisRecord(), b = DefaultFiveAxisRecord();
  a.name = "A";
  b.name = "B";
  b.reserved2 = 0;
  ASSERT_EQ(WriteFiveAxisFile(path, std::vector<FiveAxisRecord>{a, b}), 0);
  EXPECT_EQ(test::ReadFile(path),
            "1$A$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2"
            "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000"
            "$0.0000000$1.0000000$0\r\n"
            "1$B$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2"
            "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000"
            "$0.0000000$1.0000000$0$0\r\n");
  EXPECT_EQ(ReadFiveAxisFile(path), (std::vector<FiveAxisRecord>{a, b}));
  ASSERT_EQ(WriteFiveAxisFile(path, {}), 0);
  EXPECT_EQ(test::ReadFile(path), "");
  EXPECT_NE(WriteFiveAxisFile(dir.File("missing/User5Axis.cfg"), std::vector<FiveAxisRecord>{a}), 0);
}

TEST(FiveAxisFiles, TenMegabytesOfMostlyGarbage) {
  test::TempDir dir;
  std::string text;
  std::string good = Named("Good") + "\n";
  uint32_t x = 12345;
  int expected = 0;
  while (text.size() < 10 * 1024 * 1024) {
    x = x * 1103515245 + 12345;
    if (x % 7 == 0) {
      text += good;
      ++expected;
    } else if (x % 7 == 1) {
      text += std::string(8000, '1');  // over-long line of digits
      text += '\n';
    } else {
      for (int i = 0; i < 200; ++i) text += static_cast<char>((x >> (i % 24)) & 0xFF);
      text += '\n';
    }
  }
  test::WriteFile(dir.File("big.cfg"), text);
  auto records = ReadFiveAxisFile(dir.File("big.cfg"));
  EXPECT_EQ(static_cast<int>(records.size()), expected);
  for (const FiveAxisRecord& r : records) EXPECT_EQ(r.name, "Good");
}

TEST(FiveAxisFiles, TheShippedTemplatesAreAllRecords) {
  std::string text = test::ReadFile(std::string(PREFIG_SOURCE_DIR) + "/resources/Templates/5Axis.cfg");
  size_t lines = 0;
  for (size_t pos = 0; (pos = text.find("\n1$", pos)) != std::string::npos; ++pos) ++lines;
  auto records = ParseFiveAxisLines(text);
  EXPECT_GE(records.size(), 8u);
  EXPECT_EQ(records.size(), lines);
  EXPECT_EQ(test::ReadFile(TemplateFiveAxisFile(PREFIG_STAGE_DIR)), text);
}

}  // namespace
}  // namespace prefig
