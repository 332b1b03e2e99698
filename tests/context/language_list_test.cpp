#include "context/language_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "context/message_file.h"
#include "context/message_ids.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

class LanguageListTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string msg = dir.File("msg");
  void SetUp() override { std::filesystem::create_directory(msg); }
  void Write(const std::string& name, std::string_view bytes) { test::WriteFile(msg + "/" + name, bytes); }
  static std::string Language(const std::string& name, const std::string& code) {
    return BuildMessageFile({{kLanguageNameMessageId, name}, {kLanguageCodeMessageId, code}, {711, "***"}});
  }
};

TEST_F(LanguageListTest, FilesAreListedInNameOrderWhateverTheirCase) {
  Write("msg_en-US.bin", Language("English", "en-US"));
  Write("MSG_FR-FR.BIN", Language("Fran\xC3\xA7"
                                  "ais",
                                  "fr-FR"));
  Write("msg_de-DE.bin", Language("Deutsch", "de-DE"));
  std::filesystem::create_directory(msg + "/msg_dir.bin");
  auto languages = ListLanguages(dir.path());
  ASSERT_EQ(languages.size(), 3u);
  EXPECT_EQ(languages[0].code, "de-DE");
  EXPECT_EQ(languages[0].name, "Deutsch");
  EXPECT_EQ(languages[1].code, "en-US");
  EXPECT_EQ(languages[2].code, "fr-FR");
  EXPECT_EQ(languages[2].name,
            "Fran\xC3\xA7"
            "ais");
  EXPECT_TRUE(ListLanguages(dir.File("nowhere")).empty());
}

TEST_F(LanguageListTest, EmptyShortAndDamagedFilesAreSkipped) {
  Write("msg_a.bin", BuildMessageFile({}));                      // N = 0
  Write("msg_c.bin", BuildMessageFile({{318, "Short"}}));        // no text 319
  Write("msg_d.bin", Language("Cut", "de-DE").substr(0, 1200));  // block cut inside the offsets
  std::string outside = Language("Outside", "de-DE");
  outside[8 + 4 * 318] = '\x7F';  // offset of 318 beyond the block
  Write("msg_e.bin", outside);
  Write("msg_f.bin", Language("Unsafe", "../x"));
  Write("msg_z.bin", Language("Good", "pl-PL"));
  auto languages = ListLanguages(dir.path());
  ASSERT_EQ(languages.size(), 1u);
  EXPECT_EQ(languages[0].code, "pl-PL");
}

TEST_F(LanguageListTest, LongTextsAreCutAndTheListStopsAt32) {
  // 63 letters and a two-byte letter: the cut at 64 bytes must not split it.
  std::string name = std::string(63, 'n') + "\xC3\xA9" + "tail";
  Write("msg_long.bin", Language(name, "abcdefghijkl"));
  auto languages = ListLanguages(dir.path());
  ASSERT_EQ(languages.size(), 1u);
  EXPECT_EQ(languages[0].name, std::string(63, 'n'));
  EXPECT_EQ(languages[0].code, "abcdefghij");

  for (int i = 0; i < 40; ++i) Write("msg_" + std::to_string(100 + i) + ".bin", Language("L", "x" + std::to_string(i)));
  EXPECT_EQ(ListLanguages(dir.path()).size(), kLanguageListMax);
}

}  // namespace
}  // namespace prefig
