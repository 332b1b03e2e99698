// Edits made on a cached text, made again on the text another program wrote
// meanwhile: only our net changes travel, theirs stay, both-changed keys are
// named.
#include "ini/cache_replay.h"

#include <gtest/gtest.h>

namespace prefig::ini {
namespace {

// The cache as GIniFile keeps it: the text read, the edits applied to a copy
// and recorded.
struct CachedEdits {
  std::string base;
  std::string ours;
  std::vector<RecordedEdit> edits;

  explicit CachedEdits(std::string text) : base(text), ours(std::move(text)) {}
  CachedEdits& Do(EditKind kind, std::string section, std::string key = {}, std::string value = {}) {
    if (ApplyEdit(ours, nullptr, kind, section, key, value)) edits.push_back({kind, section, key, value});
    return *this;
  }
  std::string Onto(std::string disk, std::vector<OverwrittenValue>* overwritten = nullptr) const {
    return ReplayEdits(base, ours, std::move(disk), edits, overwritten);
  }
};

const std::string kReplayBase =
    "; written by hand\r\n"
    "[SYSTEM]\r\n"
    "TABCHARS\t= 8\r\n"
    "LINEFEEDS\t= 0\r\n"
    "\r\n"
    "[EDITOR]\r\n"
    "FONT = Courier\r\n";

TEST(CacheReplay, TheirKeyAndOurKeyBothReachTheFile) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kSet, "EDITOR", "FONT", "Liberation Mono");
  std::string theirs = kReplayBase;
  theirs.replace(theirs.find("= 0"), 3, "= 2");
  std::vector<OverwrittenValue> overwritten;
  EXPECT_EQ(cache.Onto(theirs, &overwritten),
            "; written by hand\r\n"
            "[SYSTEM]\r\n"
            "TABCHARS\t= 8\r\n"
            "LINEFEEDS\t= 2\r\n"
            "\r\n"
            "[EDITOR]\r\n"
            "FONT = Liberation Mono\r\n");
  EXPECT_TRUE(overwritten.empty());
}

TEST(CacheReplay, AKeyBothChangedTakesOursAndNamesTheirs) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kSet, "system", "tabchars", "4");
  std::string theirs = kReplayBase;
  theirs.replace(theirs.find("= 8"), 3, "= 3");
  std::vector<OverwrittenValue> overwritten;
  EXPECT_EQ(cache.Onto(theirs, &overwritten),
            kReplayBase.substr(0, kReplayBase.find("= 8")) + "= 4" + kReplayBase.substr(kReplayBase.find("= 8") + 3));
  ASSERT_EQ(overwritten.size(), 1u);
  EXPECT_EQ(overwritten[0].section, "system");
  EXPECT_EQ(overwritten[0].key, "tabchars");
  EXPECT_EQ(overwritten[0].theirs, "3");
  EXPECT_EQ(overwritten[0].ours, "4");
}

// A page writes every control on OK; a value written back unchanged, or
// changed and changed back, is no change of ours.
TEST(CacheReplay, ValuesWeDidNotChangeInNetKeepTheirs) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kSet, "SYSTEM", "TABCHARS", "8")
      .Do(EditKind::kSet, "SYSTEM", "LINEFEEDS", "5")
      .Do(EditKind::kSet, "SYSTEM", "LINEFEEDS", "0");
  EXPECT_EQ(cache.edits.size(), 2u);  // the unchanged write is no edit at all
  std::string theirs = kReplayBase;
  theirs.replace(theirs.find("= 8"), 3, "= 3");
  theirs.replace(theirs.find("= 0"), 3, "= 1");
  std::vector<OverwrittenValue> overwritten;
  EXPECT_EQ(cache.Onto(theirs, &overwritten), theirs);
  EXPECT_TRUE(overwritten.empty());
}

TEST(CacheReplay, ADefaultWrittenBackYieldsToTheirValue) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kSetIfMissing, "EDITOR", "TABSTOSPACE", "No")
      .Do(EditKind::kSetIfMissing, "EDITOR", "PADTABS", "Yes");
  std::string theirs = kReplayBase + "TABSTOSPACE\t= Yes\r\n";
  std::vector<OverwrittenValue> overwritten;
  EXPECT_EQ(cache.Onto(theirs, &overwritten), theirs + "PADTABS\t\t= Yes\r\n");
  EXPECT_TRUE(overwritten.empty());
}

TEST(CacheReplay, NewKeysAndSectionsLandAsTheyWouldHaveLandedInOrder) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kSet, "SYSTEM", "B", "2")
      .Do(EditKind::kSet, "NEW", "K", "v")
      .Do(EditKind::kSet, "SYSTEM", "C", "3");
  std::string theirs = kReplayBase + "BOLD = Yes\r\n";
  EXPECT_EQ(cache.Onto(theirs),
            "; written by hand\r\n"
            "[SYSTEM]\r\n"
            "TABCHARS\t= 8\r\n"
            "LINEFEEDS\t= 0\r\n"
            "B\t\t= 2\r\n"
            "C\t\t= 3\r\n"
            "\r\n"
            "[EDITOR]\r\n"
            "FONT = Courier\r\n"
            "BOLD = Yes\r\n"
            "\r\n"
            "## NEW " +
                std::string(72, '#') +
                "\r\n"
                "\r\n"
                "[NEW]\r\n"
                "K\t\t= v\r\n");
}

TEST(CacheReplay, AKeyWeDeletedGoesAndTheirChangeToItIsNamed) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kDeleteKey, "SYSTEM", "LINEFEEDS");
  std::string theirs = kReplayBase;
  theirs.replace(theirs.find("= 0"), 3, "= 9");
  std::vector<OverwrittenValue> overwritten;
  EXPECT_EQ(cache.Onto(theirs, &overwritten),
            "; written by hand\r\n"
            "[SYSTEM]\r\n"
            "TABCHARS\t= 8\r\n"
            "\r\n"
            "[EDITOR]\r\n"
            "FONT = Courier\r\n");
  ASSERT_EQ(overwritten.size(), 1u);
  EXPECT_EQ(overwritten[0].theirs, "9");
  EXPECT_EQ(overwritten[0].ours, std::nullopt);
}

// A saver that deletes a section and writes it anew changes, in net, only
// the keys whose values differ; a section deleted for good goes, except for
// keys the other program put in it.
TEST(CacheReplay, SectionDeletesTravelKeyByKey) {
  CachedEdits rewritten(kReplayBase);
  rewritten.Do(EditKind::kDeleteSection, "SYSTEM")
      .Do(EditKind::kSet, "SYSTEM", "TABCHARS", "8")
      .Do(EditKind::kSet, "SYSTEM", "LINEFEEDS", "4");
  std::string theirs = kReplayBase;
  theirs.replace(theirs.find("= 8"), 3, "= 2");
  std::string expected = theirs;
  expected.replace(expected.find("= 0"), 3, "= 4");
  EXPECT_EQ(rewritten.Onto(theirs), expected);

  CachedEdits dropped(kReplayBase);
  dropped.Do(EditKind::kDeleteSection, "SYSTEM");
  EXPECT_EQ(dropped.Onto(kReplayBase + "[LAST]\r\nX = 1\r\n"),
            "; written by hand\r\n"
            "[EDITOR]\r\n"
            "FONT = Courier\r\n"
            "[LAST]\r\n"
            "X = 1\r\n");
  std::string added = kReplayBase;
  added.insert(added.find("\r\n\r\n[EDITOR]") + 2, "OWN = 1\r\n");
  EXPECT_EQ(dropped.Onto(added),
            "; written by hand\r\n"
            "[SYSTEM]\r\n"
            "OWN = 1\r\n"
            "\r\n"
            "[EDITOR]\r\n"
            "FONT = Courier\r\n");
}

TEST(CacheReplay, AFileRemovedMeanwhileGetsOurChangesOnly) {
  CachedEdits cache(kReplayBase);
  cache.Do(EditKind::kSet, "EDITOR", "FONT", "Mono");
  EXPECT_EQ(cache.Onto(""), "\r\n## EDITOR " + std::string(69, '#') +
                                "\r\n\r\n"
                                "[EDITOR]\r\nFONT\t\t= Mono\r\n");
}

}  // namespace
}  // namespace prefig::ini
