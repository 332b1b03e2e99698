// RunSetup through whole sessions with the scripted services: the password,
// the start page, OK, Cancel and Default, the close step and the notices.
#include "pages/run_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "controls/combo_box.h"
#include "controls/edit.h"
#include "module/host_interface.h"
#include "module/module_state.h"
#include "pages/config_base.h"
#include "pages/editor_setup_main.h"
#include "pages/get_config_password.h"
#include "pages/machine_types/add_machine_type.h"
#include "pages/machine_types/rename_machine_type.h"
#include "pages/setup_session.h"
#include "record/dnc_config.h"
#include "schema/features.h"
#include "schema/general.h"
#include "schema/load_save.h"
#include "schema/quiver.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
namespace fs = std::filesystem;
using Script = ScriptedServices::DialogScript;

DEditorSetupMain& SetupOf(ModalDialog& dialog) { return dynamic_cast<DEditorSetupMain&>(dialog); }

class RunSetupTest : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  std::vector<GMachineType*> list = std::vector<GMachineType*>(256, nullptr);
  int count = 77;

  void Run(int start_page, std::vector<Script> scripts, GDncConfig* dnc = nullptr) {
    for (Script& script : scripts) services.dialog_scripts.push_back(std::move(script));
    EXPECT_EQ(RunSetupSession(start_page, list.data(), &count, &record, dnc), 0);
  }
  // A machine type made as the machine type list page makes one.
  GMachineType* AddType(const std::string& name) {
    std::string path = configuration.directory() + "/TYPES/" + name + ".mac";
    test::WriteFile(path, "[GENERAL]\r\nTYPENAME=" + name + "\r\nDESCRIPTION=" + name + "\r\n");
    auto type = std::make_unique<GMachineType>(path);
    type->Load(record.MachineTypeContext());
    GMachineType* added = type.get();
    SetupSession().new_types.push_back(std::move(type));
    SetupSession().working_types.push_back(added);
    SetupSession().list_changed = true;
    return added;
  }
  // Every type handed back has its position in the list as its load order.
  void ExpectLoadOrders() {
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(test::StoredValue(list[i]->Path(), "GENERAL", "LOADORDER"), std::to_string(i + 1)) << list[i]->Path();
    }
  }
};

// Open, change the tab width, OK: that line changes, every other byte stays.
TEST_F(RunSetupTest, AWholeSessionChangesOnlyWhatTheUserChanged) {
  std::string before = configuration.MainIniText();
  Run(1, {[](ModalDialog& dialog) {
        WConfigBase* page = SetupOf(dialog).CurrentPage();
        auto& tab_width = test::BoundControl<WSpinValue>(*page, kTabChars);
        tab_width.UserStep(+1);
        tab_width.UserEdit("12");
        SetupOf(dialog).Ok();
      }});
  std::string expected = before;
  size_t line = expected.find("TABCHARS\t= 8\r\n");
  ASSERT_NE(line, std::string::npos);
  expected.replace(line, 14, "TABCHARS\t= 12\r\n");
  EXPECT_EQ(configuration.MainIniText(), expected);
  EXPECT_EQ(count, -1);  // the machine type list did not change
}

TEST_F(RunSetupTest, TheDialogFillsTheNcFilterTableOnce) {
  EXPECT_EQ(record.NcFilters().Count(), 0);
  Run(1, {[](ModalDialog& dialog) { dialog.Cancel(); }});
  Run(1, {[](ModalDialog& dialog) { dialog.Cancel(); }});
  ASSERT_EQ(record.NcFilters().Count(), 12);
  EXPECT_EQ(record.NcFilters().Entries()[1].display_name, "ISO Turning");
}

TEST_F(RunSetupTest, DefaultThenCancelLeavesTheRecordAndTheFile) {
  record.Global().Values().SetInt(kTabChars, 5);
  record.Global().Values().Save(record, kTabChars);
  std::string before = configuration.MainIniText();
  services.message_box_answers = {kIdYes};
  Run(1, {[](ModalDialog& dialog) {
        SetupOf(dialog).Default();
        EXPECT_EQ(test::BoundControl<WSpinValue>(*SetupOf(dialog).CurrentPage(), kTabChars).Text(), "8");
        SetupOf(dialog).Cancel();
      }});
  EXPECT_EQ(configuration.MainIniText(), before);
  EXPECT_EQ(record.Global().Values().Int(kTabChars), 5);
  EXPECT_EQ(count, -1);
}

TEST_F(RunSetupTest, APasswordIsAskedUnlessTheStartPageIsBelowOne) {
  record.Global().Values().SetText(kPassword, "SECRET");
  Run(1, {[](ModalDialog& dialog) { dialog.Cancel(); }});
  EXPECT_EQ(services.dialogs_run, 1);  // the password dialog only
  EXPECT_EQ(count, 77);                // neither output written

  Run(1, {[](ModalDialog& dialog) {
            auto& password = dynamic_cast<DGetConfigPassword&>(dialog);
            password.Entry().UserEdit(" secret ");
            password.Ok();
          },
          [](ModalDialog& dialog) { SetupOf(dialog).Ok(); }});
  EXPECT_EQ(services.dialogs_run, 3);
  EXPECT_EQ(count, -1);

  for (auto [start, page] : {std::pair{0, PageId::kGeneral}, {-4, PageId::kMachineTypes}}) {
    count = 77;
    Run(start, {[page](ModalDialog& dialog) {
          EXPECT_EQ(SetupOf(dialog).Tree()[SetupOf(dialog).Selected()].id, page);
          SetupOf(dialog).Cancel();
        }});
    EXPECT_EQ(count, -1) << start;
  }
}

TEST_F(RunSetupTest, ANewLanguageBringsTheRestartNotice) {
  Run(1, {[](ModalDialog& dialog) {
        test::FindControl<WComboBox>(*SetupOf(dialog).CurrentPage(), [](const WComboBox& c) {
          return c.BoundSetting() == nullptr;
        }).UserSelect(0);  // Deutsch
        SetupOf(dialog).Ok();
      }});
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text, MessageString(kRestartNoticeId));
}

TEST_F(RunSetupTest, CancelAfterAddingATypeStillHandsBackTheList) {
  int before = record.MachineTypes().Count();
  GMachineType* added = nullptr;
  Run(1, {[&](ModalDialog& dialog) {
        added = AddType("Added");
        dialog.Cancel();
      }});
  ASSERT_EQ(count, before + 1);
  EXPECT_EQ(list[before], added);
  ExpectLoadOrders();
  EXPECT_EQ(&record.MachineTypes().At(before), added);
}

// The order is written as the dialog closes, after OK has saved: a file
// that cannot take it is told over the host's window, and the others take
// their order.
TEST_F(RunSetupTest, AnOrderThatCannotBeSavedIsToldOverTheHostsWindow) {
  std::string blocked;
  Run(1, {[&](ModalDialog& dialog) {
        std::vector<GMachineType*>& types = SetupSession().working_types;
        std::swap(types[0], types[1]);
        SetupSession().list_changed = true;
        blocked = types[0]->Path();
        fs::remove(blocked);
        fs::create_directory(blocked);
        SetupOf(dialog).Ok();
        EXPECT_TRUE(dialog.HasEnded());
      }});
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text,
            "The new order of the machine types could not be saved: " + blocked +
                ": Is a directory. The editor keeps it until it is closed; the next start shows the earlier order.");
  EXPECT_EQ(services.message_boxes[0].owner, MessageOwner::kHostWindow);
  ASSERT_GE(count, 2);
  EXPECT_EQ(list[0]->Path(), blocked);
  EXPECT_EQ(test::StoredValue(list[1]->Path(), "GENERAL", "LOADORDER"), "2");
}

TEST_F(RunSetupTest, RemovedTypesGoOrAreReportedToTheHost) {
  record.Host().notify_database = true;
  record.Host().window = &record;
  GMachineType& stored = record.MachineTypes().At(0);
  stored.Values().SetInt(kQuiverId, 12);
  stored.Values().SetBool(kQuiverStore, true);
  std::string added_path;
  Run(1, {[&](ModalDialog& dialog) {
        GMachineType* added = AddType("Brief");
        added_path = added->Path();
        auto& working = SetupSession().working_types;
        for (GMachineType* type : {added, &stored}) {
          working.erase(std::find(working.begin(), working.end(), type));
          SetupSession().removed_types.push_back(type);
        }
        SetupOf(dialog).Ok();
      }});
  EXPECT_FALSE(fs::exists(added_path));  // made and removed while the dialog was open
  EXPECT_EQ(count, record.MachineTypes().Count() - 1);
  ASSERT_EQ(services.host_messages.size(), 1u);
  EXPECT_EQ(services.host_messages[0].message, kMsgTypeRemoved);
  EXPECT_FALSE(stored.Values().Bool(kQuiverStore));
}

int EntryOf(DEditorSetupMain& dialog, PageId id) {
  for (size_t i = 0; i < dialog.Tree().size(); ++i) {
    if (dialog.Tree()[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

// Add a type from a template, rename it, move it up, change its load/save
// settings, OK: the host gets the new list, every file its position, and
// the new file the changed keys.
TEST_F(RunSetupTest, AMachineTypeMadeInOneSessionComesBackWithItsSettings) {
  int before = record.MachineTypes().Count();
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    DEditorSetupMain& setup = SetupOf(dialog);
    WConfigBase& types = *setup.CurrentPage();
    test::ButtonWithText(types, 448).Click();      // the add dialog's script follows
    test::ButtonWithText(types, 455).Click();      // and the rename dialog's
    test::FindControl<WIcoButton>(types).Click();  // up comes first
    setup.Select(EntryOf(setup, PageId::kLoadSave));
    EXPECT_EQ(setup.Banner(), "Load/Save - Lathe 2");
    test::BoundControl<WEdit>(*setup.CurrentPage(), kSaveExt).UserEdit("lat");
    test::BoundControl<WEdit>(*setup.CurrentPage(), kLoadExt).UserEdit("l1, .l2");
    setup.Ok();
  });
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    auto& add = dynamic_cast<DAddMch&>(dialog);
    add.Description().UserEdit("Lathe");
    add.Source().SelectText("ISO Turning Template (template)");
    add.Ok();
  });
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    auto& rename = dynamic_cast<DRenameMch&>(dialog);
    rename.Description().UserEdit("Lathe 2");
    rename.Ok();
  });
  EXPECT_EQ(RunSetupSession(-4, list.data(), &count, &record, nullptr), 0);

  ASSERT_EQ(count, before + 1);
  GMachineType* added = list[0];
  EXPECT_EQ(added->Description(), "Lathe 2");
  std::string path = configuration.directory() + "/TYPES/Lathe 2.MAC";
  EXPECT_EQ(added->Path(), path);
  EXPECT_EQ(test::StoredValue(path, "LOADSAVE", "SAVEEXT"), "lat");
  EXPECT_EQ(test::StoredValue(path, "LOADSAVE", "LOADEXT"), "L1,L2");
  EXPECT_EQ(test::StoredValue(path, "PLANAR", "ISTURN"), "Yes");  // from the template
  ExpectLoadOrders();
}

// Cancel leaves the types as their files hold them, although the pages
// saved into them when they were hidden.
TEST_F(RunSetupTest, CancelUndoesWhatThePagesSavedIntoTheTypes) {
  GMachineType& type = record.MachineTypes().At(0);
  std::string file_before = test::ReadFile(type.Path());
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    DEditorSetupMain& setup = SetupOf(dialog);
    test::BoundControl<WEdit>(*setup.CurrentPage(), kSaveExt).UserEdit("XYZ");
    setup.Select(0);  // hides the page, which saves into the type
    EXPECT_EQ(SetupSession().working_types[0]->Values().Text(kSaveExt), "XYZ");
    setup.Cancel();
  });
  EXPECT_EQ(RunSetupSession(-8, list.data(), &count, &record, nullptr), 0);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(test::ReadFile(type.Path()), file_before);
}

TEST_F(RunSetupTest, TheDncObjectIsRefreshedAndTheFeatureSwitchesComeFromTheRecord) {
  struct CountingDnc : GDncConfig {
    int refreshed = 0;
    void Refresh() override { ++refreshed; }
  } dnc;
  Run(1, {[](ModalDialog& dialog) { SetupOf(dialog).Ok(); }}, &dnc);
  EXPECT_EQ(dnc.refreshed, 1);
  record.Global().Values().SetBool(kDisableBackplot, true);
  EXPECT_TRUE(FeatureSwitchesOf(record).backplot_off);
}

}  // namespace
}  // namespace prefig
