// Properties that must hold for any document and any sequence of writes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "ini/ini_edit.h"
#include "ini/ini_file.h"
#include "ini/ini_index.h"
#include "ini/key_run.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

const char* const kSections[] = {"A", "b", "EDITOR", "MACRO001", "Tools", "X1"};
const char* const kKeys[] = {"K", "KEY", "key2", "TABCHARS", "FONTFACENAME", "A B", "LONGKEYNAMEOF16CH"};

// Hand-made looking INI text: odd spacing, comments, duplicates, lower case,
// banners, LF or CR LF, sometimes no final line break.
std::string RandomDocument(std::mt19937& rng) {
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const char* eol = pick(3) == 0 ? "\n" : "\r\n";
  std::string text;
  int sections = pick(6);
  for (int s = 0; s < sections; ++s) {
    std::string name = kSections[pick(6)];
    if (pick(2)) text += std::string(eol) + ini::Banner(name) + eol + eol;
    text += std::string(pick(4) == 0 ? "  " : "") + "[" + name + "]" + (pick(5) == 0 ? " ; note" : "") + eol;
    int keys = pick(6);
    for (int k = 0; k < keys; ++k) {
      switch (pick(6)) {
        case 0: text += std::string("; comment ") + kKeys[pick(7)] + eol; break;
        case 1: text += eol; break;
        default: {
          static const char* const kSeparators[] = {"=", " = ", "\t=\t", "  =", "= "};
          static const char* const kValues[] = {"1", "text", "\"  quoted \"", "", "x0", "a=b", "  spaced  "};
          text += std::string(pick(3) == 0 ? " " : "") + kKeys[pick(7)] + kSeparators[pick(5)] + kValues[pick(7)] + eol;
        }
      }
    }
  }
  if (!text.empty() && pick(4) == 0) text.pop_back();
  return text;
}

struct Op {
  ini::EditKind kind;
  std::string section, key, value;
};

Op RandomOp(std::mt19937& rng) {
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static const char* const kNewValues[] = {"1", "new text", "  lead", "\"q\"", "", "42"};
  Op op{ini::EditKind::kSet, kSections[pick(6)], kKeys[pick(7)], kNewValues[pick(6)]};
  int kind = pick(10);
  if (kind == 0) op.kind = ini::EditKind::kDeleteKey;
  if (kind == 1) op.kind = ini::EditKind::kDeleteSection;
  if (kind == 2) op.kind = ini::EditKind::kSetIfMissing;
  op.value = ini::CleanRawValue(ini::EncodeText(op.value));
  return op;
}

// The index must answer exactly as a scan of the text does, after any edit.
TEST(IniInvariants, IndexAgreesWithScanningAfterEveryEdit) {
  std::mt19937 rng(12345);
  for (int trial = 0; trial < 400; ++trial) {
    std::string scanned = RandomDocument(rng);
    std::string indexed = scanned;
    ini::IniIndex index;
    for (int step = 0; step < 30; ++step) {
      Op op = RandomOp(rng);
      bool a = ini::ApplyEdit(scanned, nullptr, op.kind, op.section, op.key, op.value);
      bool b = ini::ApplyEdit(indexed, &index, op.kind, op.section, op.key, op.value);
      ASSERT_EQ(a, b);
      ASSERT_EQ(scanned, indexed) << "trial " << trial << " step " << step;
      for (const char* section : kSections) {
        for (const char* key : kKeys) {
          auto s = ini::Locate(scanned, nullptr, section, key);
          auto i = ini::Locate(indexed, &index, section, key);
          ASSERT_EQ(s.has_value(), i.has_value()) << section << "/" << key;
          if (s) {
            ASSERT_EQ(ini::ReadValue(scanned, *s), ini::ReadValue(indexed, *i));
          }
        }
      }
    }
  }
}

// Keys held back in a run read as the scan of the text with every edit
// made at once reads them, and put in they leave the same text. The
// defaults written back (set only when missing) dominate, as in a load.
TEST(IniInvariants, HeldBackKeysAgreeWithEditsMadeAtOnce) {
  std::mt19937 rng(2468);
  for (int trial = 0; trial < 400; ++trial) {
    std::string scanned = RandomDocument(rng);
    std::string held = scanned;
    ini::IniIndex index;
    ini::KeyRun run;
    for (int step = 0; step < 30; ++step) {
      Op op = RandomOp(rng);
      if (rng() % 3 != 0) op.kind = ini::EditKind::kSetIfMissing;
      bool a = ini::ApplyEdit(scanned, nullptr, op.kind, op.section, op.key, op.value);
      bool b = ini::ApplyCachedEdit(held, index, run, op.kind, op.section, op.key, op.value);
      ASSERT_EQ(a, b) << "trial " << trial << " step " << step;
      for (const char* section : kSections) {
        for (const char* key : kKeys) {
          auto s = ini::Locate(scanned, nullptr, section, key);
          std::optional<std::string_view> h;
          if (auto i = ini::Locate(held, &index, section, key)) {
            h = ini::ReadValue(held, *i);
          } else if (run.IsFor(held, section)) {
            if (auto r = run.Find(key)) h = ini::ReadValue(run.Lines(), *r);
          }
          ASSERT_EQ(s.has_value(), h.has_value()) << "trial " << trial << " step " << step << " " << section << "/"
                                                  << key;
          if (s) {
            ASSERT_EQ(ini::ReadValue(scanned, *s), *h);
          }
        }
      }
      std::string put_in = held;
      ini::IniIndex index_copy = index;
      ini::KeyRun run_copy = run;
      run_copy.PutIn(put_in, index_copy);
      ASSERT_EQ(put_in, scanned) << "trial " << trial << " step " << step;
    }
  }
}

// A key written under a header that ends the text without a line end, and
// then a section added behind: the next key of that section still goes
// where a scan puts it (the index once took the key's line for the header).
TEST(IniInvariants, IndexAgreesAfterAKeyUnderAHeaderThatEndsTheText) {
  for (const char* start : {"[a]\r\nK=1\r\n  [b]", "[b]", "[b]\r\n"}) {
    std::string scanned = start, indexed = start;
    ini::IniIndex index;
    const Op ops[] = {{ini::EditKind::kSet, "b", "KEY", "1"},
                      {ini::EditKind::kSet, "EDITOR", "K", ""},
                      {ini::EditKind::kSet, "b", "key2", "2"}};
    for (const Op& op : ops) {
      ini::ApplyEdit(scanned, nullptr, op.kind, op.section, op.key, op.value);
      ini::ApplyEdit(indexed, &index, op.kind, op.section, op.key, op.value);
      EXPECT_EQ(indexed, scanned) << start << " after " << op.section << "/" << op.key;
    }
  }
}

// A write touches one line: the bytes before and after it stay as they were.
TEST(IniInvariants, WritesChangeOnlyTheEditedLineAndReadBack) {
  std::mt19937 rng(777);
  for (int trial = 0; trial < 2000; ++trial) {
    std::string before = RandomDocument(rng);
    Op op = RandomOp(rng);
    op.kind = ini::EditKind::kSet;
    std::string after = before;
    ini::ApplyEdit(after, nullptr, op.kind, op.section, op.key, op.value);

    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
      ++suffix;
    }
    std::string removed = before.substr(prefix, before.size() - prefix - suffix);
    EXPECT_EQ(removed.find('\n'), std::string::npos) << "trial " << trial << ": more than one line changed";

    auto found = ini::Locate(after, nullptr, op.section, op.key);
    ASSERT_TRUE(found.has_value());
    std::string expected = op.value;
    if (expected.size() >= 2 && expected.front() == '"' && expected.back() == '"')
      expected = expected.substr(1, expected.size() - 2);
    EXPECT_EQ(ini::ReadValue(after, *found), expected);
  }
}

// The same calls give the same file whether made directly or in cache mode.
TEST(IniInvariants, CacheModeAndDirectModeLeaveIdenticalFiles) {
  std::mt19937 rng(4242);
  test::TempDir dir;
  for (int trial = 0; trial < 12; ++trial) {
    std::string document = RandomDocument(rng);
    std::string direct_path = dir.File("direct.ini"), cached_path = dir.File("cached.ini");
    test::WriteFile(direct_path, document);
    test::WriteFile(cached_path, document);
    GIniFile direct, cached;
    direct.Open(direct_path);
    cached.Open(cached_path);
    cached.SetCached(true);
    for (int step = 0; step < 40; ++step) {
      Op op = RandomOp(rng);
      int call = static_cast<int>(rng() % 6);
      std::string answers[2];
      for (int f = 0; f < 2; ++f) {
        GIniFile* file = f == 0 ? &direct : &cached;
        switch (call) {
          case 0: answers[f] = std::to_string(file->GetInt(op.section, op.key, 5, 0, 10)); break;
          case 1: answers[f] = file->GetString(op.section, op.key, "default"); break;
          case 2: answers[f] = std::to_string(file->WriteString(op.section, op.key, op.value)); break;
          case 3: answers[f] = std::to_string(file->DeleteKey(op.section, op.key)); break;
          case 4: answers[f] = std::to_string(file->DeleteSection(op.section)); break;
          default: answers[f] = std::to_string(file->GetBool(op.section, op.key, true));
        }
      }
      ASSERT_EQ(answers[0], answers[1]) << "trial " << trial << " step " << step;
    }
    cached.SetCached(false);
    ASSERT_EQ(test::ReadFile(direct_path), test::ReadFile(cached_path)) << "trial " << trial;
  }
}

// Reading keys that exist, or writing what they hold, in cache mode never
// rewrites the file.
TEST(IniInvariants, ReadingOrRewritingExistingKeysWritesNothing) {
  test::TempDir dir;
  std::string path = dir.File("read.ini");
  GIniFile writer;
  writer.Open(path);
  for (const char* section : kSections) {
    for (const char* key : kKeys) writer.WriteString(section, key, "v");
  }
  struct stat before {};
  ::stat(path.c_str(), &before);
  GIniFile reader;
  reader.Open(path);
  reader.SetCached(true);
  for (const char* section : kSections) {
    for (const char* key : kKeys) EXPECT_EQ(reader.GetString(section, key, "d"), "v");
  }
  reader.WriteString("A", "K", "v");
  reader.Flush();
  reader.SetCached(false);
  struct stat after {};
  ::stat(path.c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);
  EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

}  // namespace
}  // namespace prefig
