#include "ini/journal_manifest.h"

#include <gtest/gtest.h>

namespace prefig::journal {
namespace {

Manifest TwoFiles() {
  Manifest m;
  m.time = "2026-12-07T05:29:11Z";
  m.program = "prefig page set 1 SYSTEM/TABCHARS=4";
  m.user = "anna";
  ManifestFile main;
  main.path = "/cfg/CFG/Prefig.ini";
  main.size = 120;
  main.checksum = 0xABCDEF;
  main.keys = {"SYSTEM/TABCHARS", "RENUM DEFAULT/START"};
  ManifestFile made;
  made.fate = FileFate::kCreated;
  made.path = "/cfg/TYPES/New\ttype\\x.mac";
  made.offset = 120;
  m.files = {main, made};
  return m;
}

TEST(JournalManifestTest, IsWrittenLineByLineWithEscapedTextsAndReadBack) {
  const std::string text = FormatManifest(TwoFiles());
  EXPECT_EQ(text,
            "prefig journal 1\n"
            "time 2026-12-07T05:29:11Z\n"
            "program prefig page set 1 SYSTEM/TABCHARS=4\n"
            "user anna\n"
            "file changed 0 120 0000000000abcdef /cfg/CFG/Prefig.ini\n"
            "key SYSTEM/TABCHARS\n"
            "key RENUM DEFAULT/START\n"
            "file created 120 0 0000000000000000 /cfg/TYPES/New\\x09type\\x5Cx.mac\n"
            "end\n");
  std::string reason;
  std::optional<Manifest> back = ParseManifest(text, &reason);
  ASSERT_TRUE(back) << reason;
  EXPECT_EQ(FormatManifest(*back), text);
  EXPECT_EQ(back->files[1].path, "/cfg/TYPES/New\ttype\\x.mac");
  EXPECT_EQ(back->files[0].keys.size(), 2u);
}

TEST(JournalManifestTest, DamagedTextsGiveNoManifestAndTheReason) {
  const std::string good = FormatManifest(TwoFiles());
  struct Case {
    std::string text;
    std::string reason;
  } cases[] = {
      {"", "no end line"},
      {good.substr(0, good.size() - 4), "no end line"},  // cut off before its end
      {good.substr(0, good.size() - 1), "a line without its end"},
      {"prefig journal 2\nend\n", "not a journal manifest"},
      {"prefig journal 1\nend\n", "no time"},
      {"prefig journal 1\ntime x\nkey A/B\nend\n", "a key before any file"},
      {"prefig journal 1\ntime x\nfile changed 0 1 0 relative/path\nend\n", "a bad file line"},
      {"prefig journal 1\ntime x\nfile moved 0 1 0 /a\nend\n", "a bad file line"},
      {"prefig journal 1\ntime x\nfile changed -1 1 0 /a\nend\n", "a bad file line"},
      {"prefig journal 1\ntime x\nfile changed 0 99999999999999999999999 0 /a\nend\n", "a bad file line"},
      {"prefig journal 1\ntime x\nfile changed 0 1 zz /a\nend\n", "a bad file line"},
      {"prefig journal 1\ntime x\nprogram bad \\x4\nend\n", "a bad escape"},
      {"prefig journal 1\ntime x\nwhat is this\nend\n", "an unknown line"},
      {"prefig journal 1\ntime x\nend\nend\n", "text after the end"},
      {std::string("prefig journal 1\ntime \0x\n", 25), "no end line"},
  };
  for (const Case& c : cases) {
    std::string reason;
    EXPECT_FALSE(ParseManifest(c.text, &reason)) << c.text;
    EXPECT_EQ(reason.substr(0, c.reason.size()), c.reason) << c.text;
  }
}

TEST(JournalManifestTest, ChecksumTellsContentsApart) {
  EXPECT_EQ(ContentChecksum(""), 14695981039346656037ull);
  EXPECT_NE(ContentChecksum("TABCHARS = 4"), ContentChecksum("TABCHARS = 5"));
  EXPECT_EQ(ContentChecksum("same"), ContentChecksum("same"));
}

}  // namespace
}  // namespace prefig::journal
