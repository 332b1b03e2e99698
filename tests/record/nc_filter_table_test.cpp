// The NC filter table: the derivation of library and URI from the control
// key, the default entries, the limit, the localised names.
#include "record/nc_filter_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "context/message_ids.h"
#include "support/message_table.h"

namespace prefig {
namespace {

const std::string kHost = "https://ns.prefig.example";

std::string Row(const NcFilter& f) {
  return f.display_name + " | " + f.control_key + " | " + f.library + " | " + f.uri + (f.turning ? " | turning" : "");
}

TEST(NcFilterTableTest, FillAddsTheTwelveDefaultsOnceInOrder) {
  GNcFilterTable table;
  EXPECT_EQ(table.Fill(), 12);
  std::vector<std::string> rows;
  for (const NcFilter& f : table.Entries()) rows.push_back(Row(f));
  const std::string iso = kHost + "/namespace/nc/format/iso/";
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "ISO Milling | MILLFANUCISO | ncfilter_fanuc | " + iso + "mill-fanuc",
                      "ISO Turning | TURNFANUCAISO | ncfilter_fanuc | " + iso + "mill-fanuc | turning",
                      "Fanuc Milling | MILLFANUC | ncfilter_fanuc | " + iso + "mill-fanuc",
                      "Fanuc Turning (G-Code A) | TURNFANUCA | ncfilter_fanuc | " + iso + "mill-fanuc | turning",
                      "Haas Milling | MILLHAAS | ncfilter_fanuc | " + iso + "mill-fanuc",
                      "Haas Turning | TURNHAAS | ncfilter_fanuc | " + iso + "mill-fanuc | turning",
                      "Mazak ISO Milling | MILLMAZAKISO | ncfilter_mazakiso | " + iso + "mazakiso",
                      "Mazak ISO Turning | TURNMAZAKISO | ncfilter_mazakiso | " + iso + "mazakiso | turning",
                      "Siemens 840D Mill (Adv) | MILLS840DNEW | ncfilter_siemens | " + iso + "mill-siemens",
                      "Siemens 840D Turn (Adv) | TURNS840DNEW | ncfilter_siemens | " + iso + "mill-siemens | turning",
                      "Heidenhain | HEIDENHAINNEW | ncfilter_heidenhain | " + iso + "heidenhain",
                      "Heidenhain ISO | HEIDENHAINISO | ncfilter_heidiso | " + iso + "heidiso",
                  }));

  EXPECT_EQ(table.Fill(), 12);
  EXPECT_EQ(table.Count(), 12);

  GNcFilterTable own;
  own.Add("Mine", "MILLEMCO");
  EXPECT_EQ(own.Fill(), 1) << "a table that holds entries is not filled";
}

TEST(NcFilterTableTest, TheSixtyFifthEntryIsNotAdded) {
  GNcFilterTable table;
  table.Fill();
  for (int i = table.Count(); i < GNcFilterTable::kEntriesMax; ++i) EXPECT_TRUE(table.Add("x", "MILLMACH3"));
  EXPECT_FALSE(table.Add("one too many", "MILLMACH3"));
  EXPECT_EQ(table.Count(), 64);
  EXPECT_EQ(table.Entries().back().display_name, "x");
}

TEST(NcFilterTableTest, TheFirstMatchingRowDerivesLibraryAndPathExactlyAndCaseSensitively) {
  struct Case {
    const char* key;
    const char* library;
    const char* path;
  };
  const Case cases[] = {
      {"MILLMILLPLUS", "ncfilter_millplus", "iso/mill-millplus"},
      {"MILLFANUCXYZ", "ncfilter_fanuc", "iso/mill-fanuc"},
      {"TURNTRAUB", "ncfilter_fanuc", "iso/mill-fanuc"},
      {"MILLMACH3", "ncfilter_mach3", "iso/mach3"},
      {"FANUCSIMPLE", "ncfilter_simple", "iso/mill-plasma"},
      {"MILLTURNAPT", "ncfilter_apt", "iso/APT"},
      // Only a prefix rule matches longer keys; case counts.
      {"MILLHAASX", "ncfilter_iso", "iso/advanced"},
      {"millfanuc", "ncfilter_iso", "iso/advanced"},
      {"MILLMACH", "ncfilter_iso", "iso/advanced"},
  };
  for (const Case& c : cases) {
    NcFilter f = DeriveNcFilter(c.key);
    EXPECT_EQ(f.library, c.library) << c.key;
    EXPECT_EQ(f.uri, kHost + "/namespace/nc/format/" + c.path) << c.key;
  }
}

TEST(NcFilterTableTest, AGivenUriOrLibraryReplacesTheDerivedOne) {
  NcFilter uri_only = DeriveNcFilter("UNKNOWN", "urn:only");
  EXPECT_EQ(uri_only.uri, "urn:only");
  EXPECT_EQ(uri_only.library, "ncfilter_iso") << "never an entry without a library";

  NcFilter library_only = DeriveNcFilter("UNKNOWN", "", "lib");
  EXPECT_EQ(library_only.library, "lib");
  EXPECT_EQ(library_only.uri, kHost + "/namespace/nc/format/iso/advanced");

  NcFilter long_texts = DeriveNcFilter(std::string(100, 'K'), std::string(300, 'u'), std::string(300, 'l'));
  EXPECT_EQ(long_texts.control_key.size(), NcFilter::kControlKeyMax);
  EXPECT_EQ(long_texts.uri.size(), NcFilter::kUriMax);
  EXPECT_EQ(long_texts.library.size(), NcFilter::kLibraryMax);
}

TEST(NcFilterTableTest, ATurningControlBeginsWithTurnInAnyCase) {
  EXPECT_TRUE(IsTurningControl("turnx"));
  EXPECT_FALSE(IsTurningControl("MILLTURNAPT"));
  EXPECT_FALSE(IsTurningControl("TUR"));
}

TEST(NcFilterTableTest, DisplayNamesTakeTheWordsOfTheMessageFiles) {
  test::ScopedMessages german({{kMillingWordMessageId, "Fräsen"}, {kTurningWordMessageId, "Drehen"}});
  GNcFilterTable table;
  table.Fill();
  EXPECT_EQ(table.Entries()[0].display_name, "ISO Fräsen");
  EXPECT_EQ(table.Entries()[3].display_name, "Fanuc Drehen (G-Code A)");
  table.Add("Milling or Turning", "X");
  EXPECT_EQ(table.Entries().back().display_name, "Fräsen or Turning") << "only the first word that is there";
}

// The loader's upgrade and the page defaults name filters by pairs that no
// entry bears; they must still find the filter they mean.
TEST(NcFilterTableTest, FindMatchesThePairThenTheKeyThenWhatTheKeyStandsFor) {
  GNcFilterTable table;
  table.Fill();
  const std::string heidenhain = kHost + "/namespace/nc/format/iso/heidenhain";
  EXPECT_EQ(table.Find(heidenhain, "HEIDENHAINNEW"), 10);
  EXPECT_EQ(table.Find(kHost + "/namespace/nc/format/iso/mill-fanuc", "millfanuc"), 2);
  EXPECT_EQ(table.Find(kHost + "/namespace/nc/format/iso/advanced", "MILLFANUC"), 2);
  EXPECT_EQ(table.Find(kHost + "/namespace/nc/format/heidenhain", "HEIDENHAIN"), 10);
  EXPECT_EQ(table.Find("", "heidenhain-tnc"), 10);
  EXPECT_EQ(table.Find("", "HEIDENHAINISO"), 11);
  EXPECT_EQ(table.Find("", "TURNS840DNEW"), 9);
  EXPECT_EQ(table.Find(kHost + "/namespace/nc/format/apt/generic", "APT"), 0);  // no APT entry
  EXPECT_EQ(table.Find("", "UNKNOWN"), 0);
  table.Add("APT", "MILLTURNAPT");
  EXPECT_EQ(table.Find(kHost + "/namespace/nc/format/apt/generic", "APT"), 12);

  GNcFilterTable only_iso;
  only_iso.Add("Heidenhain ISO", "HEIDENHAINISO");
  only_iso.Add("ISO Milling", "MILLFANUCISO");
  only_iso.Add("Heidenhain", "HEIDENHAINNEW");
  EXPECT_EQ(only_iso.Find("", "HEIDENHAIN"), 2);
  GNcFilterTable without_iso;
  without_iso.Add("ISO Milling", "MILLFANUCISO");
  without_iso.Add("Heidenhain", "HEIDENHAINNEW");
  EXPECT_EQ(without_iso.Find("", "HEIDENHAINISO"), 0);  // not the conversational filter
  EXPECT_EQ(GNcFilterTable().Find("", "MILLFANUC"), -1);
}

}  // namespace
}  // namespace prefig
