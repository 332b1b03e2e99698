#include "context/message_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>

#include "context/message_ids.h"
#include "context/message_source.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::TempDir;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

// Texts 0 = "A" and 2 = "BC", id 1 without a text: N = 3, S = 6, the block
// "\0A\0BC\0" combined with the key 0xA7.
const std::string kSmallFile = Bytes({0x03, 0,    0,    0,    0x06, 0,   0, 0,                 // N, S
                                      0x01, 0,    0,    0,    0x00, 0,   0, 0, 0x03, 0, 0, 0,  // offsets
                                      0xA7, 0xE6, 0xA7, 0xE5, 0xE4, 0xA7});

TEST(MessageFileTest, WriterProducesTheExactLayout) {
  EXPECT_EQ(BuildMessageFile({{0, "A"}, {2, "BC"}}), kSmallFile);
  // Nothing at all: N = 0 and the block holds just the shared empty text.
  EXPECT_EQ(BuildMessageFile({}), Bytes({0, 0, 0, 0, 1, 0, 0, 0, 0xA7}));
}

TEST(MessageFileTest, ReaderGivesEveryIdItsTextAndRoomForEveryId) {
  MessageCatalog catalog;
  ASSERT_TRUE(catalog.Parse(kSmallFile));
  EXPECT_EQ(catalog.Count(), 3u);
  EXPECT_STREQ(catalog.Text(0), "A");
  EXPECT_STREQ(catalog.Text(1), "");
  EXPECT_STREQ(catalog.Text(2), "BC");
  EXPECT_EQ(catalog.Text(3), nullptr);
  // The table can be indexed with any id in use, however short the file.
  EXPECT_EQ(catalog.Table()[kMessageIdLimit - 1], nullptr);
}

TEST(MessageFileTest, DamagedFilesAreRefusedAndLeaveTheCatalogAlone) {
  MessageCatalog catalog;
  ASSERT_TRUE(catalog.Parse(BuildMessageFile({{5, "kept"}})));

  for (size_t length = 0; length < kSmallFile.size(); ++length) {
    EXPECT_FALSE(catalog.Parse(kSmallFile.substr(0, length))) << "truncated to " << length;
  }
  std::string outside = kSmallFile;
  outside[16] = 0x06;  // offset of text 2 = S
  EXPECT_FALSE(catalog.Parse(outside));
  std::string unterminated = kSmallFile;
  unterminated.back() = static_cast<char>(0xE4);  // last byte no longer a terminator
  EXPECT_FALSE(catalog.Parse(unterminated));
  std::string huge_count = kSmallFile;
  huge_count.replace(0, 4, Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_FALSE(catalog.Parse(huge_count));
  std::string huge_block = kSmallFile;
  huge_block.replace(4, 4, Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_FALSE(catalog.Parse(huge_block));

  EXPECT_EQ(catalog.Count(), 6u);
  EXPECT_STREQ(catalog.Text(5), "kept");
}

class ReadMessageFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  void SetUp() override { Module() = ModuleState{}; }
  void TearDown() override { Module() = ModuleState{}; }
  std::string Write(const std::string& name, const MessageTexts& texts) {
    test::WriteFile(dir.File(name), BuildMessageFile(texts));
    return dir.File(name);
  }
};

TEST_F(ReadMessageFileTest, ResultTellsWhetherTheMarkerIsThereAndOldTextsStay) {
  MessageCatalog catalog;
  EXPECT_EQ(ReadMessageFile(dir.File("missing.bin"), &catalog), 0u);
  EXPECT_EQ(ReadMessageFile(Write("good.bin", {{711, "***"}, {1002, "General"}}), &catalog), 1003u);
  EXPECT_STREQ(catalog.Text(1002), "General");

  // Without the marker the table is stored all the same.
  EXPECT_EQ(ReadMessageFile(Write("nomarker.bin", {{711, "###"}, {1002, "Allgemein"}}), &catalog), 0u);
  EXPECT_STREQ(catalog.Text(1002), "Allgemein");

  // Without a catalog the module table is replaced and old texts stay.
  ASSERT_EQ(ReadMessageFile(Write("a.bin", {{711, "***"}, {1002, "First"}}), nullptr), 1003u);
  const char* first = MessageText(1002);
  EXPECT_STREQ(first, "First");
  ASSERT_EQ(ReadMessageFile(Write("b.bin", {{711, "***"}, {1002, "Second"}}), nullptr), 1003u);
  EXPECT_STREQ(MessageText(1002), "Second");
  EXPECT_STREQ(first, "First");  // whoever kept a pointer may still use it
}

// The message files of the program, as the build stages them.
class ShippedMessagesTest : public ::testing::Test {
 protected:
  static std::string Staged(const char* language) {
    return std::string(PREFIG_STAGE_DIR) + "/msg/" + MessageFileName(language);
  }
  static std::string Source(const char* language) {
    return std::string(PREFIG_SOURCE_DIR) + "/resources/msg/msg_" + language + ".txt";
  }
  MessageCatalog english, german;
  void SetUp() override {
    ASSERT_GT(ReadMessageFile(Staged("en-US"), &english), 0u);
    ASSERT_GT(ReadMessageFile(Staged("de-DE"), &german), 0u);
  }
};

TEST_F(ShippedMessagesTest, CompiledFilesDumpBackToTheirSources) {
  EXPECT_EQ(FormatMessageSource(english.Texts()), test::ReadFile(Source("en-US")));
  EXPECT_EQ(FormatMessageSource(german.Texts()), test::ReadFile(Source("de-DE")));
}

TEST_F(ShippedMessagesTest, RolesAndTheIdsOfOurOwnArePresent) {
  EXPECT_STREQ(english.Text(kLanguageCodeMessageId), "en-US");
  EXPECT_STREQ(german.Text(kLanguageCodeMessageId), "de-DE");
  for (int id : {kDefaultMachineTypeNameMessageId, kMillingWordMessageId, kTurningWordMessageId,
                 kDefaultMacroGroupMessageId, kFileWordMessageId, kUndoMessageId, kCutMessageId, kCopyMessageId,
                 kPasteMessageId, kDeleteMessageId, kSelectAllMessageId}) {
    ASSERT_NE(english.Text(static_cast<uint32_t>(id)), nullptr) << id;
    EXPECT_STRNE(english.Text(static_cast<uint32_t>(id)), "") << id;
  }
}

// A translation must offer the same texts and, where a text is a format,
// the same conversions in the same order: the code passes the arguments
// that the English text asks for.
TEST_F(ShippedMessagesTest, TranslationsHaveTheSameIdsAndFormats) {
  const MessageTexts english_texts = english.Texts(), german_texts = german.Texts();
  ASSERT_EQ(english_texts.size(), german_texts.size());
  const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?(l|ll|h|z)?[diouxXeEfgGcs%]");
  const std::regex placeholder("%[A-Z]{3,}%");
  auto conversions = [&](const std::string& text) {
    std::string found;
    for (std::sregex_iterator it(text.begin(), text.end(), conversion), end; it != end; ++it) {
      if (it->str() != "%%") found += it->str() + " ";
    }
    return found;
  };
  for (const auto& [id, text] : english_texts) {
    auto translated = german_texts.find(id);
    ASSERT_NE(translated, german_texts.end()) << "message " << id << " missing in de-DE";
    // Texts that name path placeholders such as %EXEDIR% are never formats.
    if (std::regex_search(text, placeholder)) continue;
    EXPECT_EQ(conversions(translated->second), conversions(text)) << "message " << id;
  }
}

}  // namespace
}  // namespace prefig
