// The Machine, Renumbering, CAD/CAM post and Multi-channel pages of the
// current machine type, on a record started from the templates: what each
// shows, what Default and Cancel leave alone and what OK writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/edit_ascii.h"
#include "controls/edit_field.h"
#include "controls/file_name_field.h"
#include "pages/editor_setup_main.h"
#include "pages/machine/cad_cam_post.h"
#include "pages/machine/machine_syntax.h"
#include "pages/machine/multi_channel.h"
#include "pages/machine/renumbering.h"
#include "pages/run_setup.h"
#include "pages/setup_session.h"
#include "schema/control_syntax.h"
#include "schema/multi_channel.h"
#include "schema/planar.h"
#include "schema/renumber.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class MachineTypePages : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) SetupSession().working_types.push_back(&Type(i));
    SetupSession().current_type = 0;
  }
  GMachineType& Type(int position) { return record.MachineTypes().At(position); }
  int Position(const std::string& description) {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      if (Type(i).Description() == description) return i;
    }
    ADD_FAILURE() << "no type " << description;
    return 0;
  }
  // The type's file says `key` = `value` (or, without a key, lacks the
  // section), and the type has read it.
  void Reread(GMachineType& type, const char* section, const char* key = nullptr, const char* value = "") {
    if (key != nullptr) {
      type.Ini().WriteString(section, key, value);
    } else {
      type.Ini().DeleteSection(section);
    }
    type.Load(record.MachineTypeContext());
  }
  // One whole setup session on `start_page` of the first type.
  void Session(int start_page, std::function<void(DEditorSetupMain&)> script) {
    services.dialog_scripts.push_back(
        [script](ModalDialog& dialog) { script(dynamic_cast<DEditorSetupMain&>(dialog)); });
    std::vector<GMachineType*> list(256, nullptr);
    int count = 0;
    EXPECT_EQ(RunSetupSession(start_page, list.data(), &count, &record, nullptr), 0);
  }
  template <typename Control>
  static Control& Labelled(const WConfigBase& page, int label_id) {
    return test::FindControl<Control>(page, [label_id](const Control& c) { return c.TextId() == label_id; });
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
};

// Default shows the type's own defaults and touches nothing else: Cancel
// then leaves the file byte for byte, OK writes what Default showed.
TEST_F(MachineTypePages, RenumberingDefaultComesFromTheTypesOwnSectionAndTouchesControlsOnly) {
  Reread(Type(0), kRenumDefaultSection, "START", "500");
  Reread(Type(0), kRenumDefaultSection, "INTERVAL", "4");
  Reread(Type(0), kRenumDefaultSection, "PRECEEDESTRALT", "Q");
  Reread(Type(0), kRenumDefaultSection, "STARTFROM", "0");
  Reread(Type(0), kRenumDefaultSection, "PRECEEDESTR", "");
  Type(0).Values().SetText(kPreceedeStrAlt, "A");
  std::string before = test::ReadFile(Type(0).Path());
  auto press_default = [](DEditorSetupMain& setup) {
    WConfigBase& page = *setup.CurrentPage();
    page.ResetToDefaults();
    EXPECT_EQ(Labelled<WEditField>(page, 1339).Text(), "500");
    EXPECT_EQ(BoundControl<WComboBox>(page, kRenumInterval).SelectedText(), "20");
    EXPECT_EQ(BoundControl<WSpinValue>(page, kStartFrom).Text(), "1");  // clamped to the setting's range
    EXPECT_EQ(BoundControl<WEdit>(page, kPreceedeStr).Text(), "");
    EXPECT_EQ(BoundControl<WEdit>(page, kPreceedeStrAlt).Text(), "A");  // not read from the section
  };
  Session(-6, [&](DEditorSetupMain& setup) {
    press_default(setup);
    EXPECT_EQ(test::ReadFile(Type(0).Path()), before);
    setup.Cancel();
  });
  EXPECT_EQ(test::ReadFile(Type(0).Path()), before);

  Session(-6, [&](DEditorSetupMain& setup) {
    press_default(setup);
    setup.Ok();
  });
  EXPECT_EQ(test::StoredValue(Type(0).Path(), "RENUM", "START"), "500");
  EXPECT_EQ(test::StoredValue(Type(0).Path(), "RENUM", "INTERVAL"), "4");
  EXPECT_EQ(test::StoredValue(Type(0).Path(), "RENUM DEFAULT", "START"), "500");
}

TEST_F(MachineTypePages, RenumberingWithoutItsOwnSectionTakesTheTablesDefaults) {
  Reread(Type(0), kRenumDefaultSection);
  DMchRenum page;
  page.ShowPage(true);
  Labelled<WEditField>(page, 1339).UserEdit("77");
  BoundControl<WSpinValue>(page, kInsertSpace).UserEdit("5");
  page.ResetToDefaults();
  EXPECT_EQ(Labelled<WEditField>(page, 1339).Text(), "0");
  EXPECT_EQ(BoundControl<WSpinValue>(page, kInsertSpace).Text(), "1");
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kRenumAuto).IsChecked());
}

// Blank number fields mean "none": 2147483647 for the first block number,
// 0 for the others, both ways: showing and saving the page keeps "none".
TEST_F(MachineTypePages, RenumberingNumberFieldsShowNoneAsBlank) {
  Type(0).Values().SetInt(kRenumStart, 2147483647);
  Type(0).Values().SetInt(kRenumFrom, 0);
  Type(0).Values().SetInt(kRenumTo, 40);
  DMchRenum page;
  page.ShowPage(true);
  auto& start = Labelled<WEditField>(page, 1339);
  EXPECT_EQ(start.Text(), "");
  EXPECT_EQ(Labelled<WEditField>(page, 1353).Text(), "");
  EXPECT_EQ(Labelled<WEditField>(page, 1338).Text(), "40");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Int(kRenumStart), 2147483647);
  EXPECT_EQ(Type(0).Values().Int(kRenumFrom), 0);
  page.ShowPage(true);
  EXPECT_EQ(start.Text(), "");
  start.UserEdit("0");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Int(kRenumStart), 0);
  page.ShowPage(true);
  EXPECT_EQ(start.Text(), "0");
  start.UserEdit("99999999999");  // more than the setting keeps: refused
  EXPECT_EQ(start.Text(), "0");
  start.UserEdit("2147483646");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Int(kRenumStart), 2147483646);
}

// Each field takes exactly what its setting keeps.
TEST_F(MachineTypePages, RenumberingFieldsKeepWhatTheirSettingsKeep) {
  std::string long_list;
  while (long_list.size() < 8000) long_list += "G" + std::to_string(long_list.size()) + ",";
  long_list.pop_back();
  Type(0).Values().SetText(kRenumSkip, long_list);
  DMchRenum page;
  page.ShowPage(true);
  auto& start_from = BoundControl<WSpinValue>(page, kStartFrom);
  start_from.UserEdit("2000000000");
  BoundControl<WSpinValue>(page, kSkipOver).UserEdit("0");
  BoundControl<WEdit>(page, kRenumSkipContain).UserEdit(" ,  G70 ,, G71 ,");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Text(kRenumSkip), long_list);
  EXPECT_EQ(Type(0).Values().Int(kStartFrom), 2000000000);
  EXPECT_EQ(Type(0).Values().Int(kSkipOver), 0);
  EXPECT_EQ(Type(0).Values().Text(kRenumSkipContain), ",G70,G71");
  page.ShowPage(true);
  start_from.UserEdit("");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Int(kStartFrom), 1);

  EXPECT_EQ(CompactSkipList("%, O ,,:"), "%,O,:");
  EXPECT_EQ(CompactSkipList("  , ,"), ",");
  EXPECT_EQ(CompactSkipList(""), "");
}

TEST_F(MachineTypePages, RenumberingEnableRules) {
  DMchRenum page;
  page.ShowPage(true);
  auto& start_next = BoundControl<WAutoCheckbox>(page, kStartNext);
  auto& trigger = BoundControl<WEdit>(page, kStartTrig);
  trigger.UserEdit("   ");
  EXPECT_FALSE(start_next.IsEnabled());
  trigger.UserEdit("O1");
  EXPECT_TRUE(start_next.IsEnabled());
  BoundControl<WAutoCheckbox>(page, kRenumExistOnly).Click();
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kRenumEmpty).IsEnabled());
  EXPECT_FALSE(BoundControl<WEdit>(page, kRenumSkip).IsEnabled());
  EXPECT_TRUE(BoundControl<WEdit>(page, kRenumSkipContain).IsEnabled());
}

// A Heidenhain type (basic type 1) has defaults of its own.
TEST_F(MachineTypePages, MachineDefaultsFollowTheBasicType) {
  SetupSession().current_type = Position("Heidenhain");
  ASSERT_EQ(Type(SetupSession().current_type).BasicType(), 1);
  DMchMachine page;
  page.ShowPage(true);
  BoundControl<WAutoCheckbox>(page, kMlcEnabled).Click();
  BoundControl<WEdit>(page, kMlcStart).UserEdit("{");
  page.ResetToDefaults();
  EXPECT_EQ(BoundControl<WEdit>(page, kToolChange).Text(), "TOOL CALL");
  EXPECT_EQ(BoundControl<WEdit>(page, kToolLoad).Text(), "");
  EXPECT_EQ(BoundControl<WEdit>(page, kFeed).Text(), "R");
  EXPECT_EQ(BoundControl<WEdit>(page, kSpeed).Text(), "F");
  EXPECT_EQ(BoundControl<WEdit>(page, kBlockSkip).Text(), ";");
  EXPECT_EQ(BoundControl<WEdit>(page, kCommentStart).Text(), "(");
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kBlockSkipAfter).IsChecked());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kMlcEnabled).IsChecked());
  EXPECT_FALSE(BoundControl<WEdit>(page, kMlcStart).IsEnabled());
  EXPECT_EQ(BoundControl<WEdit>(page, kMlcStart).Text(), "/*");
  EXPECT_EQ(Labelled<WSpinValue>(page, 1413).Text(), "1000");

  SetupSession().current_type = 0;
  page.ShowPage(true);
  page.ResetToDefaults();
  EXPECT_EQ(BoundControl<WEdit>(page, kToolChange).Text(), "T");
  EXPECT_EQ(BoundControl<WEdit>(page, kToolLoad).Text(), "M6");
  EXPECT_TRUE(BoundControl<WAutoCheckbox>(page, kBlockSkipAfter).IsChecked());
}

TEST_F(MachineTypePages, MachineSyntaxCharactersAndRapidRate) {
  DMchMachine page;
  page.ShowPage(true);
  auto& decimal = BoundControl<WEdit>(page, kDecimal);
  decimal.UserEdit("");
  BoundControl<WEdit>(page, kCommentEnd).UserEdit("");
  BoundControl<WEdit>(page, kBlockSkip).UserEdit("/123456");
  BoundControl<WEdit>(page, kCommentStart).UserEdit("[");
  auto& rapid = Labelled<WSpinValue>(page, 1413);
  rapid.UserEdit("25000");
  page.ShowPage(false);
  GMachineType& type = Type(0);
  EXPECT_EQ(type.Values().Text(kDecimal), "");
  EXPECT_EQ(type.Values().Text(kCommentStart), "[");
  EXPECT_EQ(type.Values().Text(kBlockSkip), "/123");
  EXPECT_EQ(type.Values().Text(kRapidRate), "25000");
  ASSERT_TRUE(type.Save());
  EXPECT_EQ(test::StoredValue(type.Path(), "MACHINETYPE", "DECIMAL"), "");
  type.Load(record.MachineTypeContext());
  page.ShowPage(true);
  EXPECT_EQ(decimal.Text(), ".");  // an empty decimal point reads as "."
  EXPECT_EQ(BoundControl<WEdit>(page, kCommentEnd).Text(), "");

  // The rapid rate's unit follows the feed unit chosen at once.
  BoundControl<WComboBox>(page, kFeedUnits).UserSelect(5);
  EXPECT_EQ(rapid.Label()->Text(), "Rapid rate (inch / min):");
}

TEST_F(MachineTypePages, MachineShowsTheTurningUnitsForATurningType) {
  DMchMachine page;
  page.ShowPage(true);
  EXPECT_TRUE(BoundControl<WComboBox>(page, kFeedUnits).IsVisible());
  EXPECT_FALSE(BoundControl<WComboBox>(page, kTurnFeedUnits).IsVisible());
  page.ShowPage(false);
  SetupSession().current_type = Position("ISO Turning");
  page.ShowPage(true);
  EXPECT_FALSE(BoundControl<WComboBox>(page, kFeedUnits).IsVisible());
  EXPECT_TRUE(BoundControl<WComboBox>(page, kTurnFeedUnits).IsVisible());
  EXPECT_EQ(BoundControl<WComboBox>(page, kTurnFeedUnits).Entries()[1].text, "inch / rev");
  BoundControl<WComboBox>(page, kTurnPathUnits).UserSelect(1);
  EXPECT_EQ(Labelled<WSpinValue>(page, 1413).Label()->Text(), "Rapid rate (inch / min):");
}

// The decimals spin stops where the setting does, and reals keep their
// precision although they are shown with three decimals.
TEST_F(MachineTypePages, CadCamPostNumbersStayWithinTheirSettings) {
  Type(0).Values().SetDouble(kAxisSubstitutionTolerance, 0.0005);
  DMchPlanar page;
  page.ShowPage(true);
  auto& decimals = BoundControl<WSpinValue>(page, kPlanarDecimals);
  EXPECT_EQ(decimals.Maximum(), 8);
  decimals.UserEdit("10");
  EXPECT_EQ(BoundControl<WSpinValue>(page, kSplineSubstitutionTolerance).Text(), "0.001");
  EXPECT_EQ(BoundControl<WSpinValue>(page, kAxisSubstitutionTolerance).Text(), "0.0005");
  EXPECT_EQ(BoundControl<WSpinValue>(page, kGridSize).Text(), "10.00");
  BoundControl<WSpinValue>(page, kGridSize).UserEdit("0");
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Int(kPlanarDecimals), 8);
  EXPECT_DOUBLE_EQ(Type(0).Values().Double(kAxisSubstitutionTolerance), 0.0005);
  EXPECT_DOUBLE_EQ(Type(0).Values().Double(kGridSize), 1.0);
}

TEST_F(MachineTypePages, CadCamPostEnableRulesKeepTheChecks) {
  DMchPlanar page;
  page.ShowPage(true);
  auto& turning = BoundControl<WAutoCheckbox>(page, kIsTurn);
  auto& diameter = BoundControl<WAutoCheckbox>(page, kTurnDiameterPrg);
  if (!turning.IsChecked()) turning.Click();
  EXPECT_TRUE(diameter.IsEnabled());
  diameter.SetCheck(true);
  turning.Click();
  EXPECT_FALSE(diameter.IsEnabled());
  EXPECT_TRUE(diameter.IsChecked());
  BoundControl<WAutoCheckbox>(page, kGridOn).Click();
  EXPECT_FALSE(BoundControl<WSpinValue>(page, kGridSize).IsEnabled());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kShowSubGrid).IsEnabled());
  // No manual beside the program: the button does nothing and says nothing.
  test::ButtonWithText(page, 13035).Click();
  EXPECT_TRUE(services.message_boxes.empty());
  EXPECT_TRUE(services.opened_documents.empty());
  std::string manual = record.ProgramDirectory() + "/Posts/Post Processor Manual.pdf";
  std::filesystem::create_directories(record.ProgramDirectory() + "/Posts");
  test::WriteFile(manual, "%PDF-1.4\n");
  test::ButtonWithText(page, 13035).Click();
  EXPECT_EQ(services.opened_documents, std::vector<std::string>{manual});
}

// The chosen post processor reaches the file only with OK.
TEST_F(MachineTypePages, CadCamPostProcessorIsWrittenOnOkOnly) {
  std::string post = configuration.directory() + "/Mill.js";
  test::WriteFile(post, "// post\n");
  std::string before = test::ReadFile(Type(0).Path());
  auto choose = [&](DEditorSetupMain& setup) {
    WConfigBase& page = *setup.CurrentPage();
    services.file_answers.push_back(configuration.directory() + "/missing.js");
    test::FindControl<WIcoButton>(page).Click();
    EXPECT_EQ(test::FindControl<WFileNameField>(page).Path(), "");
    services.file_answers.push_back(post);
    test::FindControl<WIcoButton>(page).Click();
    EXPECT_EQ(test::FindControl<WFileNameField>(page).Path(), post);
  };
  Session(-11, [&](DEditorSetupMain& setup) {
    choose(setup);
    setup.Select(0);
    setup.Cancel();
  });
  EXPECT_EQ(test::ReadFile(Type(0).Path()), before);
  Session(-11, [&](DEditorSetupMain& setup) {
    choose(setup);
    setup.Ok();
  });
  EXPECT_EQ(test::StoredValue(Type(0).Path(), "PLANAR", "DEFAULTPOSTPROCESSORFILENAME"), post);
}

class MultiChannelPage : public MachineTypePages {
 protected:
  void Show(int mode, const std::string& line) {
    page.ShowPage(true);
    if (!BoundControl<WAutoCheckbox>(page, kMultiChannelEnable).IsChecked()) {
      BoundControl<WAutoCheckbox>(page, kMultiChannelEnable).Click();
    }
    BoundControl<WComboBox>(page, kMultiChannelMode).UserSelect(mode);
    BoundControl<WEdit>(page, kTestValue).UserEdit(line);
  }
  std::string StartEnd() { return Named("channel").Text(); }
  std::string Sync() { return Named("sync").Text(); }
  WEditAscii& Pattern(int label_id) { return Labelled<WEditAscii>(page, label_id); }
  WStatic& Named(const std::string& name) {
    return test::FindControl<WStatic>(page, [&name](const WStatic& s) { return s.ControlName() == name; });
  }

  WMchMultiChannel page;
};

// The test line is read with the parser of the controls as they are, at
// every keystroke.
TEST_F(MultiChannelPage, TheTestLineShowsWhatTheParserOfTheShownValuesFinds) {
  Show(10, "WAITM(1,1,2)");
  EXPECT_EQ(Sync(), "1: 1,2");
  EXPECT_EQ(StartEnd(), "");
  BoundControl<WEdit>(page, kTestValue).UserEdit("% N10");
  EXPECT_EQ(StartEnd(), "Channel start");
  EXPECT_EQ(Sync(), "");

  Show(2, "M310");
  EXPECT_EQ(Sync(), "Sync 311");  // no synchronisation number
  Show(1, "!12");
  EXPECT_EQ(Sync(), "1,2");
  Show(1, "!3");
  EXPECT_EQ(Sync(), "3");
  Show(1, "!0");
  EXPECT_EQ(Sync(), "no channel");  // a synchronisation all the same
}

TEST_F(MultiChannelPage, UserDefinedPatternsAndTheirEnabling) {
  Show(0, "N10 O1000");
  EXPECT_TRUE(Pattern(1561).IsEnabled());
  Pattern(1561).UserEdit("O");
  EXPECT_EQ(StartEnd(), "Channel start");
  BoundControl<WEdit>(page, kTestValue).UserEdit("O1000 M30");
  EXPECT_EQ(StartEnd(), "Channel start");
  Pattern(1562).UserEdit("M30,M2");
  EXPECT_EQ(StartEnd(), "Channel start / Channel end");
  Pattern(1557).UserEdit("P");
  BoundControl<WEdit>(page, kTestValue).UserEdit("P4");
  EXPECT_EQ(Sync(), "Sync 5");
  Pattern(1557).UserSetTriggerMode(WEditAscii::kRegularExpressionMode);
  Pattern(1557).UserEdit("P<[0-9]+>");
  BoundControl<WEdit>(page, kTestValue).UserEdit("P42");
  EXPECT_EQ(Sync(), "Sync 43");

  Pattern(1558).UserEdit(std::string(1100, '7'));
  page.ShowPage(false);
  EXPECT_EQ(Type(0).Values().Text(kSyncCommandNumber), "1:" + std::string(1021, '7'));  // as the setting keeps it
  EXPECT_EQ(Type(0).Values().Text(kSyncCommand), "2:P<[0-9]+>");
  page.ShowPage(true);

  BoundControl<WComboBox>(page, kMultiChannelMode).UserSelect(3);
  EXPECT_FALSE(Pattern(1561).IsEnabled());
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kSyncUsingChNo).IsEnabled());
  BoundControl<WAutoCheckbox>(page, kMultiChannelEnable).Click();
  EXPECT_FALSE(BoundControl<WEdit>(page, kTestValue).IsEnabled());
  EXPECT_FALSE(BoundControl<WComboBox>(page, kMultiChannelMode).IsEnabled());
}

// While ENABLE is No the other keys are not read: empty patterns, the
// user-defined mode. Default leaves every control as it is.
TEST_F(MultiChannelPage, ADisabledViewShowsNothingReadAndDefaultChangesNothing) {
  Reread(Type(0), "MULTICHANNEL", "ENABLE", "No");
  Reread(Type(0), "MULTICHANNEL", "MODE", "10");
  Reread(Type(0), "MULTICHANNEL", "PRGTRIG", "2:^%");
  page.ShowPage(true);
  EXPECT_EQ(BoundControl<WComboBox>(page, kMultiChannelMode).SelectedText(), "User defined");
  EXPECT_EQ(Pattern(1561).Text(), "");
  Show(10, "WAITM(1,1,2)");
  page.ResetToDefaults();
  EXPECT_EQ(BoundControl<WComboBox>(page, kMultiChannelMode).Selected(), 10);
  EXPECT_EQ(BoundControl<WEdit>(page, kTestValue).Text(), "WAITM(1,1,2)");
  EXPECT_EQ(Sync(), "1: 1,2");
}

// The test line and the patterns reach the file with OK, in the saver's
// order, and the type's parser follows; Cancel writes nothing.
TEST_F(MultiChannelPage, OkWritesTheSettingsAndTheTestLineCancelNothing) {
  std::string before = test::ReadFile(Type(0).Path());
  auto edit = [&](DEditorSetupMain& setup) {
    WConfigBase& shown = *setup.CurrentPage();
    BoundControl<WAutoCheckbox>(shown, kMultiChannelEnable).Click();
    BoundControl<WComboBox>(shown, kMultiChannelMode).UserSelect(0);
    Labelled<WEditAscii>(shown, 1561).UserEdit("O");
    Labelled<WEditAscii>(shown, 1557).UserSetTriggerMode(WEditAscii::kRegularExpressionMode);
    Labelled<WEditAscii>(shown, 1557).UserEdit("M<1[0-9][0-9]>");
    BoundControl<WEdit>(shown, kChannelOrder).UserEdit(" 2 ,, 1 ,");
    BoundControl<WEdit>(shown, kTestValue).UserEdit("N1 M101");
  };
  Session(-20, [&](DEditorSetupMain& setup) {
    edit(setup);
    setup.Cancel();
  });
  EXPECT_EQ(test::ReadFile(Type(0).Path()), before);

  Session(-20, [&](DEditorSetupMain& setup) {
    edit(setup);
    setup.Ok();
  });
  std::string text = test::ReadFile(Type(0).Path());
  size_t section = text.find("[MULTICHANNEL]\r\n");
  ASSERT_NE(section, std::string::npos);
  EXPECT_EQ(text.substr(section, text.find("\r\n\r\n", section) + 4 - section),
            "[MULTICHANNEL]\r\n"
            "MODE\t\t= 0\r\n"
            "SYNCUSINGCHNO\t= No\r\n"
            "ENABLE\t\t= Yes\r\n"
            "AUTOSTART\t= No\r\n"
            "ORDER\t\t= 2,1\r\n"
            "PRGTRIG\t\t= 1:O\r\n"
            "SYNCTRIG\t= 2:M<1[0-9][0-9]>\r\n"
            "SYNCTRIGID\t= 1:\r\n"
            "ENDTRIG\t\t= 1:\r\n"
            "TESTVALUE\t= N1 M101\r\n"
            "\r\n");
  const GChannelParser& parser = Type(0).ChannelParser();
  EXPECT_TRUE(parser.IsStart("N1 O1000"));
  EXPECT_EQ(parser.Evaluate("N1 M101").result, 102u);
  EXPECT_EQ(parser.Evaluate("(M101)").result, 0u);  // the type's comment characters count
}

}  // namespace
}  // namespace prefig
