// ConfigPaths.cfg as text: what a line means, and the written form byte
// for byte.
#include "context/config_paths_file.h"

#include <gtest/gtest.h>

namespace prefig {
namespace {

using namespace std::string_view_literals;

std::vector<std::pair<std::string, std::string>> Entries(const PathTable& table) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& entry : table) out.emplace_back(entry.key, entry.value);
  return out;
}

TEST(ConfigPathsText, ReadsKeysAndValuesOfTheLines) {
  PathTable table;
  ParsePathsText(
      "# comment line\r\n"
      "cfg = /srv/cfg # a comment with = sign\r\n"
      "\t TYPES\t=\t%ROOTDIR%\\Types\t\r\n"
      "no equals sign\n"
      " = no key\n"
      "DATA=a=b\rLOG=/first\0LOG=/second\n"
      "#MACHINES=/commented\n"
      "Empty=\n"
      "types = /again"sv,
      table);
  EXPECT_EQ(Entries(table), (std::vector<std::pair<std::string, std::string>>{
                                {"CFG", "/srv/cfg"},
                                {"TYPES", "/again"},
                                {"DATA", "a=b"},
                                {"LOG", "/second"},
                                {"EMPTY", ""},
                            }));
}

TEST(ConfigPathsText, WrittenFormIsTheHeaderThenKeyEqualsValueLines) {
  PathTable table;
  table.Set("rootdir", "%APPDATA%\\%VENDORDIR%\\%PRODUCTDIR%");
  table.Set("CFG", "%ROOTDIR%/Cfg");
  table.Set("EMPTY", "");
  EXPECT_EQ(FormatPathsText(table),
            "#########################################################################\r\n"
            "# This file is used to set the path to configuration directories.\r\n"
            "# See ConfigPath-sample.cfg for more information.\r\n"
            "#########################################################################\r\n"
            "\r\n"
            "ROOTDIR = %APPDATA%\\%VENDORDIR%\\%PRODUCTDIR%\r\n"
            "CFG = %ROOTDIR%/Cfg\r\n"
            "EMPTY = \r\n");
  PathTable back;
  ParsePathsText(*FormatPathsText(table), back);
  EXPECT_EQ(Entries(back), Entries(table));
}

TEST(ConfigPathsText, WhatWouldNotReadBackIsNotWritten) {
  for (const char* value : {"/data/#1", "/a\r\n/b", " /lead"}) {
    PathTable table;
    table.Set("CFG", value);
    EXPECT_EQ(FormatPathsText(table), std::nullopt) << value;
  }
  PathTable key;
  key.Set("A=B", "/x");
  EXPECT_EQ(FormatPathsText(key), std::nullopt);
}

}  // namespace
}  // namespace prefig
