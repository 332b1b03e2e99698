// The store on INI files that other programs and people wrote
// (tests/ini/data/real, sources in its SOURCES file): every key reads as the
// format's rules say, and a change, an added key and a deleted key touch
// their own line only.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ini/ini_file.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::ReadFile;

constexpr const char* kNoSuchKey = nullptr;

std::string RealFile(const std::string& name) {
  return ReadFile(std::string(PREFIG_SOURCE_DIR) + "/tests/ini/data/real/" + name);
}

std::string RepeatedPiece(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// What Open appends to a file that does not say it was written by us.
const std::string kOpenedBlock =
    "\r\n## INIFILEVERSION " + std::string(61, '#') + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";

// A copy of a corpus file, opened by the store.
class RealFileCopy {
 public:
  explicit RealFileCopy(const std::string& name) : original_(RealFile(name)) {
    test::WriteFile(path_, original_);
    ini_.Open(path_);
  }
  GIniFile& ini() { return ini_; }
  const std::string& original() const { return original_; }
  std::string Text() const { return ReadFile(path_); }

 private:
  test::TempDir dir_;
  std::string path_ = dir_.File("copy.ini");
  std::string original_;
  GIniFile ini_;
};

struct ExpectedValue {
  const char* section;
  const char* key;
  const char* value;  // kNoSuchKey: no such key in the section
};

struct CorpusFile {
  const char* name;
  std::vector<ExpectedValue> values;
};

const std::string kHugeRead = RepeatedPiece("ABCDEFGHIJ", 2000).substr(0, GIniFile::kTextMax);
const std::string kHistory = RepeatedPiece("0123456789", 900);

const std::vector<CorpusFile>& Corpus() {
  static const std::vector<CorpusFile> corpus = {
      {"debian/timesyncd.conf",
       {{"Time", "NTP", kNoSuchKey},  // commented out: the key is "#NTP"
        {"Time", "#NTP", ""},
        {"time", "#FallbackNTP",
         "0.debian.pool.ntp.org 1.debian.pool.ntp.org 2.debian.pool.ntp.org 3.debian.pool.ntp.org"},
        {"Time", "#SaveIntervalSec", "60"}}},
      {"debian/mke2fs.conf",
       {{"defaults", "base_features", "sparse_super,large_file,filetype,resize_inode,dir_index,ext_attr"},
        {"defaults", "default_mntopts", "acl,user_xattr"},
        {"defaults", "enable_periodic_fsck", "0"},
        {"defaults", "blocksize", "4096"},
        {"defaults", "inode_size", "256"},
        {"defaults", "inode_ratio", "16384"},
        {"fs_types", "ext3", "{"},
        {"fs_types", "features", "has_journal"},  // the first of many
        {"fs_types", "blocksize", "1024"},
        {"fs_types", "inode_ratio", "4096"},
        {"fs_types", "inode_size", "128"},
        {"fs_types", "warn_y2038_dates", "0"},
        {"fs_types", "}", kNoSuchKey}}},
      {"debian/vim.desktop",
       {{"Desktop Entry", "Name", "Vim"},  // not Name[ca], which comes first
        {"Desktop Entry", "Name[de]", "Vim"},
        {"Desktop Entry", "GenericName", "Text Editor"},
        {"Desktop Entry", "GenericName[de]", "Texteditor"},
        {"desktop entry", "Comment[de]", "Textdateien bearbeiten"},
        {"Desktop Entry", "Comment[zh_CN]", "\xe7\xbc\x96\xe8\xbe\x91\xe6\x96\x87\xe6\x9c\xac\xe6\x96\x87\xe4\xbb\xb6"},
        {"Desktop Entry", "Exec", "vim %F"},
        {"Desktop Entry", "Keywords[de]", "Text;Editor;"},
        {"Desktop Entry", "MimeType",
         "text/english;text/plain;text/x-makefile;text/x-c++hdr;text/x-c++src;text/x-chdr;text/x-csrc;text/x-java;"
         "text/x-moc;text/x-pascal;text/x-tcl;text/x-tex;application/x-shellscript;text/x-c;text/x-c++;"},
        {"Desktop Entry", "Name[xx]", kNoSuchKey}}},
      {"debian/at-spi-dbus-bus.desktop",
       {{"Desktop Entry", "Exec", "/usr/libexec/at-spi-bus-launcher --launch-immediately"},
        {"Desktop Entry", "X-GNOME-AutoRestart", "true"},
        {"Desktop Entry", "X-GNOME-Autostart-Phase", "Initialization"}}},
      {"debian/im-multipress.conf",
       {{"keys", "KP_1", ".;,;?;!;';\";1;-;(;);@;/;:;_"},
        {"keys", "KP_7", "p;q;r;s;7;\xc3\x9f;$"},
        {"keys", "KP_0", "\\s;0"}}},
      {"inih/normal.ini",
       {{"section1", "one", "This is a test  ; name=value comment"},  // no inline comments
        {"section1", "two", "1234"},
        {"section1", "x", kNoSuchKey},
        {"section1", "; x", "y"},
        {"section 2", "happy", kNoSuchKey},  // "[ section 2 ]" is no header
        {"empty", "do nothing", kNoSuchKey}}},
      {"inih/multi_line.ini",
       {{"section1", "single1", "abc"},
        {"section1", "multi", "this is a"},  // no continuation lines
        {"section1", "single2", "xyz"},
        {"section2", "multi", "a"}}},
      // The byte order mark before the first header is no part of it.
      {"inih/bom.ini", {{"bom_section", "bom_name", "bom_value"}}},
      {"inih/no_value.ini",
       {{"section_list", "section0", kNoSuchKey}, {"section0", "key", "val"}, {"section1", "key", "val"}}},
      {"inih/test.ini",
       {{"protocol", "version", "6              ; IPv6"},
        {"user", "name", "Bob Smith       ; Spaces around '=' are stripped"},
        {"user", "email", "bob@smith.com  ; And comments (like this) ignored"},
        {"user", "active", "true          ; Test a boolean"},
        {"user", "pi", "3.14159           ; Test a floating point number"}}},
      {"cpython/cfgparser.1", {{"Foo Bar", "foo", "newbar"}}},
      {"cpython/cfgparser.2",
       {{"global", "workgroup", "MDKGROUP"},
        {"global", "server string", "Samba Server %v"},
        {"global", "netbios name", kNoSuchKey},
        {"global", "hosts allow", "127.  //note this is only my private IP address"},
        {"global", "dns proxy", "no"},
        {"homes", "comment", "Home Directories"},
        {"printers", "print command", "lpr-cups -P %p -o raw %s -r"},
        {"print$", "write list", "@adm root"},
        {"pdf-generator", "print command",
         "/usr/share/samba/scripts/print-pdf %s ~%u \\\\\\\\\\\\\\\\%L\\\\\\\\%u %m %I &"},
        {"tmp", "echo command", "cat %s; rm %s"},
        {"Agustin", "comment", "Agustin Private Files"},
        {"Agustin", "path", "/home/agustin/Documents"}}},
      {"handmade/windows_crlf.ini",
       {{"Mail", "CMCDLLNAME32", "mapi32.dll"},
        {"MCI Extensions.BAK", "aac", "MPEGVideo"},
        {"mci extensions", "aac", kNoSuchKey},
        {"boot", "SCRNSAVE.EXE", "C:\\WINDOWS\\system32\\logon.scr"},
        {"Prefig", "LastDir", "C:\\CNC\\Programs\\Mill 3\\"},
        {"Prefig", "Window", "0,0,1024,768"}}},
      {"handmade/odd_spacing.ini",
       {{"SYSTEM", "TABCHARS", "4"},
        {"SYSTEM", "LINEFEEDS", "2"},
        {"SYSTEM", "FONTFACENAME", "  Courier New "},
        {"SYSTEM", "QUOTEONLY", ""},
        {"SYSTEM", "ONEQUOTE", ""},
        {"SYSTEM", "HALFQUOTED", "\"left only"},
        {"SYSTEM", "KEY WITH BLANKS", "inner blanks count"},
        {"SYSTEM", "TAB", "a\tb"},
        {"EDITOR", "TABSTOSPACE", "no"},
        {"EDITOR", "HIDDEN", kNoSuchKey},   // after "[ Not a header ]"
        {"EDITOR", "PADTABS", kNoSuchKey},  // under the second [editor]
        {"LAST", "NOEOL", "end of file without line break"}}},
      {"handmade/duplicates.ini",
       {{"TOOLS", "T1", "End mill 10"},
        {"TOOLS", "T2", "Drill 5"},
        {"TOOLS", "T3", kNoSuchKey},
        {"GENERAL", "TYPENAME", "49534F4D"},
        {"GENERAL", "TYPE", "prefix of TYPENAME"}}},
      {"handmade/empty_values.ini",
       {{"PATHS", "LOADPATH", ""},
        {"PATHS", "SAVEPATH", ""},
        {"PATHS", "BACKUP", ""},
        {"PATHS", "EQUALS", "a=b=c"},
        {"PATHS", "NOEQUALS", kNoSuchKey},
        {"PATHS", "LAST", "x"}}},
      {"handmade/long_lines.ini",
       {{"LONG", "SHORT", "1"},
        {"LONG", "HISTORY", kHistory.c_str()},
        {"LONG", "HUGE", kHugeRead.c_str()},  // a text read stops at its limit
        {"LONG", "AFTER", "still found"},
        {"LONG", "TAIL", "2"}}},
  };
  return corpus;
}

TEST(RealFiles, EveryKeyReadsAsTheRulesSay) {
  for (const CorpusFile& file : Corpus()) {
    RealFileCopy copy(file.name);
    for (const ExpectedValue& expected : file.values) {
      SCOPED_TRACE(std::string(file.name) + " [" + expected.section + "] " + expected.key);
      if (expected.value == kNoSuchKey) {
        EXPECT_FALSE(copy.ini().KeyExists(expected.section, expected.key));
      } else {
        EXPECT_TRUE(copy.ini().KeyExists(expected.section, expected.key));
        EXPECT_EQ(copy.ini().GetString(expected.section, expected.key, "(default)"), expected.value);
      }
    }
    // Reading wrote nothing; opening only added the version block.
    EXPECT_EQ(copy.Text(), copy.original() + kOpenedBlock) << file.name;
  }
}

TEST(RealFiles, TypedReadsTakeWhatTheirRulesTake) {
  RealFileCopy mke2fs("debian/mke2fs.conf");
  EXPECT_EQ(mke2fs.ini().GetInt("defaults", "blocksize", 0, 0, 65536), 4096);
  RealFileCopy inih("inih/test.ini");
  EXPECT_EQ(inih.ini().GetInt("protocol", "version", 0, 0, 99), 6);
  EXPECT_DOUBLE_EQ(inih.ini().GetDouble("user", "pi", 0, 0, 10), 3.14159);
  EXPECT_FALSE(inih.ini().GetBool("user", "active", true));  // "true" is not "yes"
  RealFileCopy windows("handmade/windows_crlf.ini");
  EXPECT_TRUE(windows.ini().GetBool("Mail", "MAPI", false));
  // Nothing was out of range or unusable, so nothing was written back.
  EXPECT_EQ(mke2fs.Text(), mke2fs.original() + kOpenedBlock);
  EXPECT_EQ(inih.Text(), inih.original() + kOpenedBlock);
  EXPECT_EQ(windows.Text(), windows.original() + kOpenedBlock);

  char buffer[8];
  RealFileCopy long_lines("handmade/long_lines.ini");
  EXPECT_EQ(long_lines.ini().GetString("LONG", "HISTORY", "", buffer, sizeof buffer), 7u);
  EXPECT_STREQ(buffer, "0123456");
}

// One write, and the bytes that change: `before` (the first place it occurs
// in the opened file) becomes `after`; every other byte stays.
struct EditCase {
  const char* file;
  enum { kSet, kDelete } kind;
  const char* section;
  const char* key;
  const char* value;
  std::string before;
  std::string after;
};

const std::vector<EditCase>& EditCases() {
  static const std::vector<EditCase> cases = {
      // Values replaced in place: after `=` one space and the value; the
      // key's spelling and the blanks before `=` stay.
      {"handmade/windows_crlf.ini", EditCase::kSet, "BOOT", "SHELL", "prefig-host", "shell=Explorer.exe\r\n",
       "shell= prefig-host\r\n"},
      {"handmade/odd_spacing.ini", EditCase::kSet, "system", "tabchars", "8", "  TABCHARS   =   4   \n",
       "  TABCHARS   = 8\n"},
      {"handmade/duplicates.ini", EditCase::kSet, "TOOLS", "T1", "Face mill 50", "T1 = End mill 10\r\n",
       "T1 = Face mill 50\r\n"},
      {"handmade/empty_values.ini", EditCase::kSet, "PATHS", "LOADPATH", "/cnc/in", "LOADPATH =\r\n",
       "LOADPATH = /cnc/in\r\n"},
      {"handmade/long_lines.ini", EditCase::kSet, "LONG", "HUGE", "short",
       "HUGE = " + RepeatedPiece("ABCDEFGHIJ", 2000) + "\r\n", "HUGE = short\r\n"},
      {"debian/mke2fs.conf", EditCase::kSet, "defaults", "blocksize", "1024", "\tblocksize = 4096\n",
       "\tblocksize = 1024\n"},
      {"debian/vim.desktop", EditCase::kSet, "Desktop Entry", "Exec", "gvim -f %F", "Exec=vim %F\n",
       "Exec= gvim -f %F\n"},
      {"cpython/cfgparser.2", EditCase::kSet, "global", "workgroup", "WORKGROUP", "  workgroup = MDKGROUP\n",
       "  workgroup = WORKGROUP\n"},
      {"inih/normal.ini", EditCase::kSet, "section1", "two", "5678", "two = 1234\n", "two = 5678\n"},
      {"inih/bom.ini", EditCase::kSet, "BOM_SECTION", "bom_name", "v", "bom_name=bom_value", "bom_name= v"},
      {"inih/no_value.ini", EditCase::kSet, "section1", "key", "v2", "[section1]\nkey=val\r\n",
       "[section1]\nkey= v2\r\n"},
      // Keys added: after the section's last line that is not blank (before
      // the blank lines and comments of nothing else), as one CR LF line.
      {"handmade/windows_crlf.ini", EditCase::kSet, "Mail", "Prefig", "1", "OLEMessaging=1\r\n",
       "OLEMessaging=1\r\nPREFIG\t\t= 1\r\n"},
      {"handmade/odd_spacing.ini", EditCase::kSet, "SYSTEM", "NEW", "1", "TAB = a\tb\n", "TAB = a\tb\nNEW\t\t= 1\r\n"},
      {"handmade/duplicates.ini", EditCase::kSet, "TOOLS", "T4", "Reamer", "t2 = drill 6\r\n",
       "t2 = drill 6\r\nT4\t\t= Reamer\r\n"},
      {"debian/mke2fs.conf", EditCase::kSet, "defaults", "lazy_itable_init", "1", "\tinode_ratio = 16384\n",
       "\tinode_ratio = 16384\nLAZY_ITABLE_INIT= 1\r\n"},
      {"debian/timesyncd.conf", EditCase::kSet, "Time", "NTP", "ntp.example.org", "#SaveIntervalSec=60\n",
       "#SaveIntervalSec=60\nNTP\t\t= ntp.example.org\r\n"},
      {"debian/vim.desktop", EditCase::kSet, "Desktop Entry", "X-Prefig-Tested", "yes", "text/x-c++;\n",
       "text/x-c++;\nX-PREFIG-TESTED\t= yes\r\n"},
      {"cpython/cfgparser.2", EditCase::kSet, "homes", "valid users", "%S", ";   writable = no\n",
       ";   writable = no\nVALID USERS\t= %S\r\n"},
      {"inih/normal.ini", EditCase::kSet, "empty", "key", "v", "; do nothing\n", "; do nothing\nKEY\t\t= v\r\n"},
      // Keys deleted: the whole line goes, its indentation too.
      {"handmade/windows_crlf.ini", EditCase::kDelete, "Prefig", "Window", nullptr, "Window=0,0,1024,768\r\n", ""},
      {"handmade/odd_spacing.ini", EditCase::kDelete, "SYSTEM", "LINEFEEDS", nullptr, "\tLINEFEEDS\t=\t2\t\n", ""},
      {"handmade/duplicates.ini", EditCase::kDelete, "TOOLS", "T2", nullptr, "T2 = Drill 5\r\n", ""},
      {"handmade/empty_values.ini", EditCase::kDelete, "PATHS", "EQUALS", nullptr, "EQUALS = a=b=c\r\n", ""},
      {"handmade/long_lines.ini", EditCase::kDelete, "LONG", "HISTORY", nullptr, "HISTORY = " + kHistory + "\r\n", ""},
      {"debian/mke2fs.conf", EditCase::kDelete, "fs_types", "features", nullptr, "\t\tfeatures = has_journal\n", ""},
      {"debian/vim.desktop", EditCase::kDelete, "Desktop Entry", "Name[de]", nullptr, "Name[de]=Vim\n", ""},
      {"cpython/cfgparser.2", EditCase::kDelete, "printers", "guest ok", nullptr, "print.\n   guest ok = yes\n",
       "print.\n"},
      {"inih/normal.ini", EditCase::kDelete, "section1", "one", nullptr, "one=This is a test  ; name=value comment\n",
       ""},
  };
  return cases;
}

TEST(RealFiles, AChangeAnAddedAndADeletedKeyTouchOnlyTheirOwnLine) {
  for (const EditCase& edit : EditCases()) {
    SCOPED_TRACE(std::string(edit.file) + " [" + edit.section + "] " + edit.key);
    RealFileCopy copy(edit.file);
    std::string expected = copy.Text();
    size_t at = expected.find(edit.before);
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, edit.before.size(), edit.after);
    if (edit.kind == EditCase::kSet) {
      EXPECT_TRUE(copy.ini().WriteString(edit.section, edit.key, edit.value));
    } else {
      EXPECT_TRUE(copy.ini().DeleteKey(edit.section, edit.key));
    }
    EXPECT_EQ(copy.Text(), expected);
  }
}

// The same writes in cache mode land on the same bytes.
TEST(RealFiles, CacheModeWritesTheSameBytes) {
  for (const EditCase& edit : EditCases()) {
    SCOPED_TRACE(std::string(edit.file) + " [" + edit.section + "] " + edit.key);
    RealFileCopy direct(edit.file), cached(edit.file);
    cached.ini().SetCached(true);
    if (edit.kind == EditCase::kSet) {
      direct.ini().WriteString(edit.section, edit.key, edit.value);
      cached.ini().WriteString(edit.section, edit.key, edit.value);
    } else {
      direct.ini().DeleteKey(edit.section, edit.key);
      cached.ini().DeleteKey(edit.section, edit.key);
    }
    EXPECT_TRUE(cached.ini().Flush());
    EXPECT_EQ(cached.Text(), direct.Text());
  }
}

}  // namespace
}  // namespace prefig
