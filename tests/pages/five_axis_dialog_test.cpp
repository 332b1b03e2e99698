// The 5-axis dialog as a sequence of user actions on its controls, checking
// what the controls show and what reaches the entries and User5Axis.cfg.
#include "pages/five_axis_dialog.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "pages/page_text.h"
#include "pages/scripted_services.h"
#include "record/five_axis_files.h"
#include "record/five_axis_kinematics.h"
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

std::vector<std::string> FiveAxisLimitTexts(WInspect5Axis& dialog) {
  std::vector<std::string> texts;
  for (int i = 0; i < kLimitCount; ++i) texts.push_back(dialog.Limit(static_cast<FiveAxisLimit>(i)).Text());
  return texts;
}

std::vector<std::string> FiveAxisVectorTexts(WInspect5Axis& dialog) {
  std::vector<std::string> texts;
  for (int i = 0; i < kVectorFieldCount; ++i) texts.push_back(dialog.Vector(i).Text());
  return texts;
}

std::vector<std::string> ComboTexts(const WComboBox& box) {
  std::vector<std::string> texts;
  for (const WComboBox::Entry& entry : box.Entries()) texts.push_back(entry.text);
  return texts;
}

// Typing as the view lets a user: into a field that shows and is enabled.
void TypeIntoField(WEdit& field, std::string_view text) {
  ASSERT_TRUE(field.IsEnabled() && field.IsVisible());
  field.UserEdit(text);
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

TEST(FiveAxisDialog, OpensTheFilesAndOffersTheDefaultWhenThereIsNothingElse) {
  ScopedScriptedServices services;
  test::TempDir dir;
  test::WriteFile(dir.File("empty.cfg"), "# no machines\n");
  WInspect5Axis dialog(UserFiveAxisFile(dir.path()), dir.File("empty.cfg"), std::nullopt);
  ASSERT_EQ(dialog.Entries(), std::vector<FiveAxisRecord>{DefaultFiveAxisRecord()});
  EXPECT_EQ(ComboTexts(dialog.Machine()), std::vector<std::string>{"DMU-70"});
  EXPECT_FALSE(dialog.Editable());
  EXPECT_EQ(dialog.Type().Selected(), 8);
  EXPECT_EQ(dialog.AxisBox(0).Selected(), kBPlus);
  EXPECT_EQ(dialog.AxisBox(1).Selected(), kCPlus);
  EXPECT_EQ(ComboTexts(dialog.AxisBox(0)), (std::vector<std::string>{"A+", "A-", "B+", "B-", "C+", "C-"}));
  EXPECT_EQ(dialog.L1().Text(), "155");
  EXPECT_TRUE(dialog.L1().IsVisible() && !dialog.L2().IsVisible() && !dialog.Vector(0).IsVisible());
  EXPECT_EQ(FiveAxisLimitTexts(dialog), (std::vector<std::string>{"0", "180", "-99999", "99999"}));
  EXPECT_FALSE(dialog.Type().IsEnabled() || dialog.RenameButton().IsEnabled() || dialog.DeleteButton().IsEnabled() ||
               dialog.L1().IsEnabled());

  // A template cannot be changed: its controls take nothing.
  EXPECT_FALSE(page_text::Edit(dialog.L1(), "200", nullptr));
  EXPECT_FALSE(page_text::Edit(dialog.Type(), dialog.Type().Entries()[0].text, nullptr));
  dialog.RenameButton().Click();
  EXPECT_EQ(services.dialogs_run, 0);
  EXPECT_EQ(dialog.Entries()[0], DefaultFiveAxisRecord());

  dialog.Ok();
  ASSERT_TRUE(dialog.HasEnded());
  EXPECT_EQ(dialog.EndCode(), kIdOk);
  EXPECT_EQ(dialog.Result(), DefaultFiveAxisRecord());
  EXPECT_EQ(test::ReadFile(UserFiveAxisFile(dir.path())), "");
}

TEST(FiveAxisDialog, EditsReachTheUserMachineButOpeningLeavesItAlone) {
  const FiveAxisRecord original = Record(kHeadHead);
  WInspect5Axis dialog(FiveAxisList{{original}, 1, 0}, "");
  EXPECT_EQ(dialog.Entries()[0], original);
  EXPECT_EQ(dialog.Type().Selected(), 0);
  EXPECT_EQ(dialog.Picture().Name(), "five_axis_type_0");
  EXPECT_EQ(FiveAxisLimitTexts(dialog), (std::vector<std::string>{"-110", "110", "", ""}));
  EXPECT_TRUE(dialog.Type().IsEnabled() && dialog.RenameButton().IsEnabled() && dialog.AxisBox(0).IsEnabled() &&
              dialog.AxisBox(1).IsEnabled());
  EXPECT_FALSE(dialog.DeleteButton().IsEnabled());  // the only entry

  TypeIntoField(dialog.L1(), " 250,5");
  const FiveAxisRecord& entry = dialog.Entries()[0];
  EXPECT_EQ(dialog.Vector(5).Text(), "250.5");
  EXPECT_EQ(entry.axis1.offset, (FiveAxisVector{0, 0, 250.5}));
  EXPECT_EQ(entry.reserved, 3);

  TypeIntoField(dialog.Limit(kMax1), "abc");
  TypeIntoField(dialog.Limit(kMax2), "1e400");
  EXPECT_EQ(entry.axis1.maximum, 0);
  EXPECT_EQ(entry.axis2.maximum, 1);  // as typed up to the "e"
  TypeIntoField(dialog.L1(), "-99999999999999");
  EXPECT_EQ(entry.axis1.offset[2], -kFiveAxisNumberMax);
  EXPECT_TRUE(ParseFiveAxisRecord(FormatFiveAxisRecord(entry)));
}

TEST(FiveAxisDialog, LettersTheTypeRefusesBlockOkAndLeaveTheMachineWhole) {
  test::TempDir dir;
  std::string file = UserFiveAxisFile(dir.path());
  const FiveAxisRecord original = Record(kHeadHead);
  WInspect5Axis dialog(FiveAxisList{{original, Record(kHeadTable)}, 1, 0}, file);

  dialog.Type().UserSelect(2);  // two tilting axes, but axis 2 is still C
  EXPECT_EQ(dialog.Picture().Name(), "five_axis_type_2");
  EXPECT_EQ(FiveAxisVectorTexts(dialog), std::vector<std::string>(kVectorFieldCount, ""));
  EXPECT_EQ(dialog.Entries()[0], original);
  dialog.Ok();
  EXPECT_FALSE(dialog.HasEnded());
  EXPECT_EQ(dialog.FocusControl(), &dialog.AxisBox(1));
  EXPECT_FALSE(dialog.Result());
  EXPECT_FALSE(test::ReadFile(file).size());

  dialog.AxisBox(1).UserSelect(kAPlus);  // the same letter twice
  dialog.Ok();
  EXPECT_FALSE(dialog.HasEnded());
  dialog.AxisBox(0).UserSelect(kCPlus);
  dialog.Ok();
  EXPECT_FALSE(dialog.HasEnded());
  EXPECT_EQ(dialog.FocusControl(), &dialog.AxisBox(0));

  dialog.AxisBox(0).UserSelect(kAPlus);
  dialog.AxisBox(1).UserSelect(kBPlus);
  EXPECT_EQ(dialog.Vector(4).Text(), "0");
  dialog.Ok();
  ASSERT_TRUE(dialog.HasEnded());
  EXPECT_EQ(dialog.EndCode(), kIdOk);
  const char* expected =
      "1$U$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$300.0000000$110.0000000$-110.0000000$1$0$1"
      "$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
      "$1.0000000$3$0";
  EXPECT_EQ(test::ReadFile(file), std::string(expected) + "\r\n");
  ASSERT_TRUE(dialog.Result());
  EXPECT_EQ(FormatFiveAxisRecord(*dialog.Result()), expected);
}

TEST(FiveAxisDialog, SingleTiltAndFreeTypes) {
  WInspect5Axis dialog(FiveAxisList{{Record(kHeadHead)}, 1, 0}, "");
  const FiveAxisRecord& entry = dialog.Entries()[0];
  TypeIntoField(dialog.Limit(kMin2), "-5");
  TypeIntoField(dialog.Limit(kMax2), "5");
  dialog.Type().UserSelect(kSingleTiltType);
  EXPECT_FALSE(dialog.Used(1).IsChecked() || dialog.AxisBox(1).IsEnabled() || dialog.Limit(kMax2).IsEnabled());
  EXPECT_EQ(dialog.Limit(kMin2).Text(), "");
  EXPECT_EQ(entry.axis2.used, 0);
  EXPECT_EQ(entry.axis2.minimum, 0);

  dialog.Type().UserSelect(0);
  dialog.Type().UserSelect(kFreeType);
  EXPECT_EQ(ComboTexts(dialog.AxisBox(0)),
            (std::vector<std::string>{"A/Head", "A/Table", "B/Head", "B/Table", "C/Head", "C/Table"}));
  EXPECT_EQ(dialog.AxisBox(0).Selected(), kAPlus);  // the indexes stay: now A on the head side
  EXPECT_EQ(dialog.AxisBox(1).Selected(), kCPlus);
  EXPECT_TRUE(dialog.Used(0).IsEnabled() && dialog.Used(1).IsEnabled() && dialog.Vector(0).IsVisible());
  TypeIntoField(dialog.Vector(0), "0,5");
  dialog.AxisBox(1).UserSelect(5);  // C on the table side
  EXPECT_EQ(entry.axis1.direction, (FiveAxisVector{0.5, 0, 0}));
  EXPECT_EQ(entry.axis2.on_table, 1);

  // The axis 2 icon finds the type that the entered values make.
  dialog.AxisBox(1).UserSelect(kCPlus);
  TypeIntoField(dialog.Vector(0), "1");
  dialog.AxisIcon(1).Click();
  EXPECT_EQ(dialog.Type().Selected(), 0);
  EXPECT_EQ(dialog.L1().Text(), "300");
  EXPECT_FALSE(dialog.Vector(0).IsVisible());
  // The axis 1 icon shows the vector fields whatever the type.
  dialog.AxisIcon(0).Click();
  EXPECT_TRUE(dialog.Vector(0).IsVisible());
  dialog.Type().UserSelect(4);
  EXPECT_TRUE(dialog.Vector(14).IsVisible());
}

// The name prompt as a user answers it: what it showed, and whether OK
// closed it.
struct PromptSeen {
  int caption_id;
  std::string shown;
  bool closed;
};

void AnswerNamePrompt(ScriptedServices& services, std::vector<PromptSeen>& seen, std::string typed) {
  services.dialog_scripts.push_back([&seen, typed](ModalDialog& dialog) {
    auto& prompt = dynamic_cast<WInspect5AxisGetName&>(dialog);
    PromptSeen prompt_seen{prompt.CaptionId(), prompt.NameField().Text(), false};
    prompt.NameField().UserEdit(typed);
    prompt.Ok();
    prompt_seen.closed = prompt.HasEnded();
    seen.push_back(prompt_seen);
  });
}

TEST(FiveAxisDialog, AddRenameAndDeleteAskAndKeepTheUserCount) {
  ScopedScriptedServices services;
  std::vector<PromptSeen> prompts;
  WInspect5Axis dialog(BuildFiveAxisList({Record(kHeadHead)}, {Record(kHeadTable)}, std::nullopt), "");
  dialog.Machine().UserSelect(1);
  EXPECT_FALSE(dialog.Editable());
  dialog.RenameButton().Click();
  EXPECT_EQ(services.dialogs_run, 0);  // a template has no name to change

  AnswerNamePrompt(services, prompts, "   ");
  dialog.AddButton().Click();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].caption_id, WInspect5AxisGetName::kAddCaptionId);
  EXPECT_EQ(prompts[0].shown, "");
  EXPECT_FALSE(prompts[0].closed);
  EXPECT_EQ(dialog.UserCount(), 1);

  AnswerNamePrompt(services, prompts, "  Copy of T  ");
  dialog.AddButton().Click();
  EXPECT_EQ(dialog.UserCount(), 2);
  EXPECT_EQ(dialog.Selection(), 0);
  EXPECT_EQ(dialog.Entries()[0].name, "Copy of T");
  EXPECT_EQ(dialog.Machine().SelectedText(), "Copy of T");
  EXPECT_EQ(dialog.Type().Selected(), 4);

  AnswerNamePrompt(services, prompts, " \t");
  dialog.RenameButton().Click();
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(prompts[2].caption_id, WInspect5AxisGetName::kRenameCaptionId);
  EXPECT_EQ(prompts[2].shown, "Copy of T");
  EXPECT_FALSE(prompts[2].closed);
  EXPECT_EQ(dialog.Entries()[0].name, "Copy of T");
  AnswerNamePrompt(services, prompts, "Renamed$");
  dialog.RenameButton().Click();
  EXPECT_EQ(dialog.Entries()[0].name, "Renamed$");
  EXPECT_EQ(ComboTexts(dialog.Machine())[0], "Renamed$");
  EXPECT_EQ(dialog.Selection(), 0);

  services.message_box_answers = {kIdNo, kIdYes};
  dialog.DeleteButton().Click();
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].caption_id, 332);
  EXPECT_EQ(services.message_boxes[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(dialog.UserCount(), 2);
  dialog.DeleteButton().Click();
  EXPECT_EQ(dialog.Entries()[0].name, "U");
  EXPECT_EQ(ComboTexts(dialog.Machine()), (std::vector<std::string>{"U", "T", "T (Imperial)"}));
  EXPECT_EQ(dialog.UserCount(), 1);

  WInspect5Axis single(FiveAxisList{{Record(kHeadHead)}, 1, 0}, "");
  single.DeleteButton().Click();
  EXPECT_EQ(services.message_boxes.size(), 2u);  // not asked
}

TEST(FiveAxisDialog, OkWritesEveryUserMachineInListOrderAndCancelWritesNothing) {
  ScopedScriptedServices services;
  test::TempDir dir;
  std::string file = UserFiveAxisFile(dir.File("Types"));
  WInspect5Axis dialog(FiveAxisList{{Record(kHeadHead, "A"), Record(kHeadHead, "B"), Record(kHeadTable)}, 2, 0}, file);
  dialog.Machine().UserSelect(1);
  TypeIntoField(dialog.L1(), "12.34567");
  dialog.Ok();  // no directory for the file yet
  EXPECT_FALSE(dialog.HasEnded());
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_NE(services.message_boxes[0].text.find(file), std::string::npos);
  EXPECT_NE(services.message_boxes[0].text.find(std::strerror(ENOENT)), std::string::npos);
  EXPECT_EQ(services.message_boxes[0].icon, MessageIcon::kStop);
  std::filesystem::create_directory(dir.File("Types"));
  services.dialog_scripts.push_back([](ModalDialog& shown) { dynamic_cast<WInspect5Axis&>(shown).Ok(); });
  ASSERT_EQ(dialog.Run(), kIdOk);
  EXPECT_EQ(test::ReadFile(file),
            "1$A$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$300.0000000$110.0000000$-110.0000000$1$0$2"
            "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
            "$1.0000000$3\r\n"
            "1$B$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$12.3456700$110.0000000$-110.0000000$1$0$2"
            "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
            "$1.0000000$3$0\r\n");
  EXPECT_EQ(dialog.Result()->name, "B");
  EXPECT_EQ(ReadFiveAxisFile(file)[1], *dialog.Result());

  WInspect5Axis cancelled(FiveAxisList{{Record(kHeadHead, "C")}, 1, 0}, file);
  TypeIntoField(cancelled.L1(), "1");
  EXPECT_EQ(cancelled.Run(), kIdCancel);  // Escape
  EXPECT_FALSE(cancelled.Result());
  EXPECT_EQ(ReadFiveAxisFile(file).size(), 2u);
}

}  // namespace
}  // namespace prefig
