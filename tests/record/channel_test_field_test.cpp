// The texts beside the multi-channel test line, and the stored form of the
// pattern settings.
#include "record/channel_test_field.h"

#include <gtest/gtest.h>

#include <vector>

#include "module/module_state.h"
#include "record/stored_pattern.h"

namespace prefig {
namespace {

class ChannelTestField : public ::testing::Test {
 protected:
  void SetUp() override { Module() = ModuleState{}; }
  void TearDown() override { Module() = ModuleState{}; }
  void UseMessages(const char* start, const char* end, const char* sync) {
    table_.assign(kMessageIdLimit, nullptr);
    table_[kChannelStartMessageId] = start;
    table_[kChannelEndMessageId] = end;
    table_[kSyncWithoutNumberMessageId] = sync;
    Module().message_table = table_.data();
  }
  std::vector<const char*> table_;
};

TEST_F(ChannelTestField, StartAndEndWords) {
  UseMessages("Prg. start", "Prg. end", "");
  EXPECT_EQ(ChannelStartEndText(false, true), "Prg. end");
  EXPECT_EQ(ChannelStartEndText(true, true), "Prg. start / Prg. end");
  EXPECT_EQ(ChannelStartEndText(false, false), "");
  Module() = ModuleState{};
  EXPECT_EQ(ChannelStartEndText(true, true), "Channel start / Channel end");
}

TEST_F(ChannelTestField, SynchronisationByNumber) {
  UseMessages("", "", "Sync (%d)");
  EXPECT_EQ(SyncResultText({311, -1}, false), "Sync (311)");
  EXPECT_EQ(SyncResultText({311, 7}, false), "7");
  // The host's text is formatted safely: one number, nothing else read.
  UseMessages("", "", "%s %05d%% %d %n");
  EXPECT_EQ(SyncResultText({311, -1}, false), "%s 00311% %d %n");
  Module() = ModuleState{};
  EXPECT_EQ(SyncResultText({12, -1}, false), "Sync. 12");
}

TEST_F(ChannelTestField, SynchronisationByChannelNumbers) {
  EXPECT_EQ(SyncResultText({0b11, -1}, true), "1,2");
  EXPECT_EQ(SyncResultText({0, 1}, true), "");
  EXPECT_EQ(ChannelListText(0xFFFFFFFFu),
            "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31");
  // Only a channel digit 0: a synchronisation all the same, without channels.
  EXPECT_EQ(SyncResultText({0x80000000u, 3}, true), "3: no channel");
  EXPECT_EQ(SyncResultText({0x80000000u, -1}, true), "no channel");
}

TEST(StoredPattern, PrefixTellsPlainOrRegularExpression) {
  StoredPattern regex = ParseStoredPattern("2:M<[0-9]+>");
  EXPECT_TRUE(regex.regex);
  EXPECT_EQ(regex.text, "M<[0-9]+>");
  EXPECT_FALSE(ParseStoredPattern("1:O").regex);
  for (const char* unprefixed : {"3:O", " 2:O", "2"}) {
    StoredPattern p = ParseStoredPattern(unprefixed);
    EXPECT_FALSE(p.regex) << unprefixed;
    EXPECT_EQ(p.text, unprefixed);
  }
  EXPECT_EQ(ParseStoredPattern("1:2:x").text, "2:x");

  EXPECT_EQ(FormatStoredPattern({"", false}), "1:");
  std::string long_text(1100, 'x');
  EXPECT_EQ(FormatStoredPattern({long_text, true}), "2:" + std::string(1021, 'x'));
  EXPECT_EQ(ParseStoredPattern(FormatStoredPattern({"2:x", false})).text, "2:x");
}

}  // namespace
}  // namespace prefig
