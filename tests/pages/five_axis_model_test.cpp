// The 5-axis dialog as a sequence of user actions on its model, checking
// what the controls show and what reaches the entries and User5Axis.cfg.
#include "pages/five_axis_model.h"

#include <gtest/gtest.h>

#include "pages/scripted_services.h"
#include "record/five_axis_files.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

constexpr int kAPlus = 0, kBPlus = 2, kCPlus = 4;

// A head-head machine of type 0: A+ C+, L1 300, axis 1 limits -110 to 110.
constexpr std::string_view kHeadHead =
    "1$U$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$300.0000000$110.0000000$-110.0000000$1$0$2"
    "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
    "$1.0000000$3";
// A head-table template of type 4 with a 100 mm offset.
constexpr std::string_view kHeadTable =
    "1$T$1$0$1$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$100.0000000$110.0000000$-110.0000000$1$1$2"
    "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000$0.0000000"
    "$1.0000000$0";

FiveAxisRecord Record(std::string_view line, std::string_view name = "") {
  FiveAxisRecord r = *ParseFiveAxisRecord(line);
  if (!name.empty()) r.name = std::string(name);
  return r;
}

std::vector<std::string> Texts(const FiveAxisField* fields, int count) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(fields[i].text);
  return texts;
}

TEST(FiveAxisList, TemplatesAreListedAgainInInches) {
  FiveAxisList list = BuildFiveAxisList({}, {Record(kHeadTable)}, std::nullopt);
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.user_count, 0);
  EXPECT_EQ(list.entries[0].name, "T");
  EXPECT_EQ(FormatFiveAxisRecord(list.entries[1]),
            "1$T (Imperial)$1$0$1$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$3.9370079$110.0000000"
            "$-110.0000000$1$1$2$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000"
            "$99999.0000000$0.0000000$0.0000000$1.0000000$0");
  FiveAxisRecord long_name = Record(kHeadTable, std::string(125, 'n'));
  EXPECT_EQ(ImperialFiveAxisRecord(long_name).name, std::string(125, 'n') + " (");
}

TEST(FiveAxisList, TheHostsMachineIsFoundByIdentityOrAdded) {
  FiveAxisRecord a = Record(kHeadHead, "A"), b = Record(kHeadHead, "B"), t = Record(kHeadTable);
  auto names = [](const FiveAxisList& list) {
    std::vector<std::string> out;
    for (const auto& r : list.entries) out.push_back(r.name);
    return out;
  };
  EXPECT_EQ(BuildFiveAxisList({a, b}, {t}, ImperialFiveAxisRecord(t)).selection, 3);
  EXPECT_EQ(BuildFiveAxisList({a, b}, {t}, b).selection, 1);

  FiveAxisRecord host = Record(kHeadHead, "Host");
  host.axis1.maximum = 45;
  FiveAxisList list = BuildFiveAxisList({a, b}, {t}, host);
  EXPECT_EQ(names(list), (std::vector<std::string>{"A", "B", "Host", "T", "T (Imperial)"}));
  EXPECT_EQ(list.user_count, 3);
  EXPECT_EQ(list.selection, 2);

  FiveAxisRecord unnamed = host;
  unnamed.name.clear();
  list = BuildFiveAxisList({a, b}, {t}, unnamed);
  EXPECT_EQ(list.entries.size(), 4u);
  EXPECT_EQ(list.selection, 0);
  EXPECT_EQ(BuildFiveAxisList({}, {}, unnamed).entries, std::vector<FiveAxisRecord>{DefaultFiveAxisRecord()});
}

TEST(FiveAxisModel, OpensTheFilesAndOffersTheDefaultWhenThereIsNothingElse) {
  test::TempDir dir;
  test::WriteFile(dir.File("empty.cfg"), "# no machines\n");
  GFiveAxisModel model =
      GFiveAxisModel::Open(UserFiveAxisFile(dir.path()), dir.File("empty.cfg"), std::nullopt);
  ASSERT_EQ(model.Entries(), std::vector<FiveAxisRecord>{DefaultFiveAxisRecord()});
  EXPECT_FALSE(model.Editable());
  const FiveAxisControls& c = model.Controls();
  EXPECT_EQ(c.type, 8);
  EXPECT_EQ(c.box[0], kBPlus);
  EXPECT_EQ(c.box[1], kCPlus);
  EXPECT_EQ(model.AxisBoxEntries(), (std::vector<std::string>{"A+", "A-", "B+", "B-", "C+", "C-"}));
  EXPECT_EQ(c.l1.text, "155");
  EXPECT_TRUE(c.l1.shown && !c.l2.shown && !c.vectors_shown);
  EXPECT_EQ(Texts(c.limits, kLimitCount), (std::vector<std::string>{"0", "180", "-99999", "99999"}));
  EXPECT_FALSE(c.type_enabled || c.rename_enabled || c.delete_enabled || c.l1.enabled);

  // A template cannot be changed.
  model.SetL1("200");
  model.SetType(0);
  EXPECT_FALSE(model.Rename("Other"));
  EXPECT_EQ(model.Entries()[0], DefaultFiveAxisRecord());

  ASSERT_TRUE(model.Ok(UserFiveAxisFile(dir.path())));
  EXPECT_EQ(model.Result(), DefaultFiveAxisRecord());
  EXPECT_EQ(test::ReadFile(UserFiveAxisFile(dir.path())), "");
}

TEST(FiveAxisModel, EditsReachTheUserMachineButOpeningLeavesItAlone) {
  const FiveAxisRecord original = Record(kHeadHead);
  GFiveAxisModel model(FiveAxisList{{original}, 1, 0});
  EXPECT_EQ(model.Entries()[0], original);
  const FiveAxisControls& c = model.Controls();
  EXPECT_EQ(c.type, 0);
  EXPECT_EQ(c.bitmap, 2544);
  EXPECT_EQ(Texts(c.limits, kLimitCount), (std::vector<std::string>{"-110", "110", "", ""}));
  EXPECT_TRUE(c.type_enabled && c.rename_enabled && c.box_enabled[0] && c.box_enabled[1]);
  EXPECT_FALSE(c.delete_enabled);  // the only entry

  model.SetL1(" 250,5");
  const FiveAxisRecord& entry = model.Entries()[0];
  EXPECT_EQ(c.vectors[5].text, "250.5");
  EXPECT_EQ(entry.axis1.offset, (FiveAxisVector{0, 0, 250.5}));
  EXPECT_EQ(entry.reserved, 3);

  model.SetLimit(kMax1, "abc");
  model.SetLimit(kMax2, "1e400");
  EXPECT_EQ(entry.axis1.maximum, 0);
  EXPECT_EQ(entry.axis2.maximum, 1);  // as typed up to the "e"
  model.SetL1("-99999999999999");
  EXPECT_EQ(entry.axis1.offset[2], -kFiveAxisNumberMax);
  EXPECT_TRUE(ParseFiveAxisRecord(FormatFiveAxisRecord(entry)));
}

TEST(FiveAxisModel, LettersTheTypeRefusesBlockOkAndLeaveTheMachineWhole) {
  test::TempDir dir;
  std::string file = UserFiveAxisFile(dir.path());
  const FiveAxisRecord original = Record(kHeadHead);
  GFiveAxisModel model(FiveAxisList{{original, Record(kHeadTable)}, 1, 0});
  const FiveAxisControls& c = model.Controls();

  model.SetType(2);  // two tilting axes, but axis 2 is still C
  EXPECT_EQ(c.bitmap, 2547);
  EXPECT_EQ(Texts(c.vectors, kVectorFieldCount), std::vector<std::string>(kVectorFieldCount, ""));
  EXPECT_EQ(model.Entries()[0], original);
  EXPECT_FALSE(model.Ok(file));
  EXPECT_EQ(c.focus, FiveAxisFocus::kAxis2Box);
  EXPECT_FALSE(model.Result());
  EXPECT_FALSE(test::ReadFile(file).size());

  model.SetAxisBox(1, kAPlus);  // the same letter twice
  EXPECT_FALSE(model.Ok(file));
  model.SetAxisBox(0, kCPlus);
  EXPECT_FALSE(model.Ok(file));
  EXPECT_EQ(c.focus, FiveAxisFocus::kAxis1Box);

  model.SetAxisBox(0, kAPlus);
  model.SetAxisBox(1, kBPlus);
  EXPECT_EQ(c.vectors[4].text, "0");
  ASSERT_TRUE(model.Ok(file));
  EXPECT_EQ(c.focus, FiveAxisFocus::kNone);
  const char* expected =
      "1$U$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$300.0000000$110.0000000$-110.0000000$1$0$1"
      "$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
      "$1.0000000$3$0";
  EXPECT_EQ(test::ReadFile(file), std::string(expected) + "\r\n");
  ASSERT_TRUE(model.Result());
  EXPECT_EQ(FormatFiveAxisRecord(*model.Result()), expected);
}

TEST(FiveAxisModel, SingleTiltAndFreeTypes) {
  GFiveAxisModel model(FiveAxisList{{Record(kHeadHead)}, 1, 0});
  const FiveAxisControls& c = model.Controls();
  const FiveAxisRecord& entry = model.Entries()[0];
  model.SetLimit(kMin2, "-5");
  model.SetLimit(kMax2, "5");
  model.SetType(kSingleTiltType);
  EXPECT_FALSE(c.used[1] || c.box_enabled[1] || c.limits[kMax2].enabled);
  EXPECT_EQ(c.limits[kMin2].text, "");
  EXPECT_EQ(entry.axis2.used, 0);
  EXPECT_EQ(entry.axis2.minimum, 0);

  model.SetType(0);
  model.SetType(kFreeType);
  EXPECT_EQ(model.AxisBoxEntries(),
            (std::vector<std::string>{"A/Head", "A/Table", "B/Head", "B/Table", "C/Head", "C/Table"}));
  EXPECT_EQ(c.box[0], kAPlus);  // the indexes stay: now A on the head side
  EXPECT_EQ(c.box[1], kCPlus);
  EXPECT_TRUE(c.used_enabled && c.vectors_shown);
  model.SetVector(0, "0,5");
  model.SetAxisBox(1, 5);  // C on the table side
  EXPECT_EQ(entry.axis1.direction, (FiveAxisVector{0.5, 0, 0}));
  EXPECT_EQ(entry.axis2.on_table, 1);

  // The axis 2 icon finds the type that the entered values make.
  model.SetAxisBox(1, kCPlus);
  model.SetVector(0, "1");
  model.ClickAxis2Icon();
  EXPECT_EQ(c.type, 0);
  EXPECT_EQ(c.l1.text, "300");
  EXPECT_FALSE(c.vectors_shown);
}

TEST(FiveAxisModel, AddRenameAndDeleteAskAndKeepTheUserCount) {
  ScopedScriptedServices services;
  GFiveAxisModel model(BuildFiveAxisList({Record(kHeadHead)}, {Record(kHeadTable)}, std::nullopt));
  model.Select(1);
  EXPECT_FALSE(model.Editable());
  EXPECT_FALSE(model.Rename("X"));
  EXPECT_FALSE(model.Add("   "));
  ASSERT_TRUE(model.Add("  Copy of T  "));
  EXPECT_EQ(model.UserCount(), 2);
  EXPECT_EQ(model.Selection(), 0);
  EXPECT_EQ(model.Entries()[0].name, "Copy of T");
  EXPECT_EQ(model.Controls().type, 4);

  EXPECT_FALSE(model.Rename(" \t"));
  ASSERT_TRUE(model.Rename("Renamed$"));
  EXPECT_EQ(model.Entries()[0].name, "Renamed$");

  services.message_box_answers = {kIdNo, kIdYes};
  EXPECT_FALSE(model.Delete());
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].caption_id, 332);
  EXPECT_EQ(services.message_boxes[0].buttons, MessageButtons::kYesNo);
  ASSERT_TRUE(model.Delete());
  EXPECT_EQ(model.Entries()[0].name, "U");
  EXPECT_EQ(model.UserCount(), 1);

  GFiveAxisModel single(FiveAxisList{{Record(kHeadHead)}, 1, 0});
  EXPECT_FALSE(single.Delete());
  EXPECT_EQ(services.message_boxes.size(), 2u);  // not asked
}

TEST(FiveAxisModel, OkWritesEveryUserMachineInListOrderAndCancelWritesNothing) {
  test::TempDir dir;
  std::string file = UserFiveAxisFile(dir.path());
  GFiveAxisModel model(FiveAxisList{{Record(kHeadHead, "A"), Record(kHeadHead, "B"), Record(kHeadTable)}, 2, 0});
  model.Select(1);
  model.SetL1("12.34567");
  EXPECT_FALSE(model.Ok(dir.File("missing/User5Axis.cfg")));
  ASSERT_TRUE(model.Ok(file));
  EXPECT_EQ(test::ReadFile(file),
            "1$A$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$300.0000000$110.0000000$-110.0000000$1$0$2"
            "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
            "$1.0000000$3\r\n"
            "1$B$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$12.3456700$110.0000000$-110.0000000$1$0$2"
            "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
            "$1.0000000$3$0\r\n");
  EXPECT_EQ(model.Result()->name, "B");
  EXPECT_EQ(ReadFiveAxisFile(file)[1], *model.Result());

  GFiveAxisModel cancelled(FiveAxisList{{Record(kHeadHead, "C")}, 1, 0});
  cancelled.SetL1("1");
  cancelled.Cancel();
  EXPECT_FALSE(cancelled.Result());
  EXPECT_EQ(ReadFiveAxisFile(file).size(), 2u);
}

}  // namespace
}  // namespace prefig
