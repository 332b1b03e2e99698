// The setup dialog's OK when a file cannot be written: the user is told
// which file and why, no file changes (not the others of the same save
// either), the dialog stays open, and OK once the cause is mended saves
// everything, the types whose first save failed included.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "controls/spin_value.h"
#include "pages/config_base.h"
#include "pages/editor_setup_main.h"
#include "pages/run_setup.h"
#include "pages/setup_session.h"
#include "schema/general.h"
#include "schema/machine_general.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

namespace fs = std::filesystem;

// A folder in a file's place, until Mend puts the file back as it was.
class FolderInPlaceOf {
 public:
  explicit FolderInPlaceOf(std::string path) : path_(std::move(path)), text_(test::ReadFile(path_)) {
    fs::remove(path_);
    fs::create_directory(path_);
  }
  void Mend() const {
    fs::remove(path_);
    test::WriteFile(path_, text_);
  }

 private:
  std::string path_;
  std::string text_;
};

// OK refused because `path` is a folder: one more message naming it, and
// the dialog still open.
void ExpectOkRefused(DEditorSetupMain& setup, const ScriptedServices& services, size_t boxes_before,
                     const std::string& path) {
  EXPECT_FALSE(setup.HasEnded());
  ASSERT_EQ(services.message_boxes.size(), boxes_before + 1);
  EXPECT_EQ(
      services.message_boxes.back().text,
      "The settings were not saved: " + path + ": Is a directory. Mend the cause and press OK again, or press Cancel.");
}

// The cause mended, OK saves and ends the dialog without another message.
void ExpectOkSavesOnceMended(DEditorSetupMain& setup, const ScriptedServices& services, size_t boxes_before,
                             const FolderInPlaceOf& folder) {
  folder.Mend();
  setup.Ok();
  EXPECT_TRUE(setup.HasEnded());
  EXPECT_EQ(services.message_boxes.size(), boxes_before + 1);
}

TEST(SetupOkFailure, AFileReplacedByAFolderIsNamedNothingChangesAndOkAgainSavesAll) {
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ASSERT_GE(record.MachineTypes().Count(), 2);
  std::vector<GMachineType*> list(256, nullptr);
  int count = 0;
  std::string blocked_path;
  std::string other_path;
  configuration.services.dialog_scripts.push_back([&](ModalDialog& dialog) {
    auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
    test::BoundControl<WSpinValue>(*setup.CurrentPage(), schema::kTabChars).UserEdit("12");
    GMachineType* blocked = SetupSession().working_types[0];
    GMachineType* other = SetupSession().working_types[1];
    blocked_path = blocked->Path();
    other_path = other->Path();
    blocked->Values().SetText(schema::kDescription, "Blocked mill");
    blocked->SetChanged();
    other->Values().SetText(schema::kDescription, "Other lathe");
    other->SetChanged();

    const std::string other_text = test::ReadFile(other_path);
    const std::string main_text = configuration.MainIniText();
    FolderInPlaceOf folder(blocked_path);
    size_t boxes = configuration.services.message_boxes.size();
    setup.Ok();
    ExpectOkRefused(setup, configuration.services, boxes, blocked_path);
    EXPECT_EQ(configuration.MainIniText(), main_text);
    EXPECT_EQ(test::ReadFile(other_path), other_text);

    ExpectOkSavesOnceMended(setup, configuration.services, boxes, folder);
  });
  EXPECT_EQ(RunSetupSession(1, list.data(), &count, &record, nullptr), 0);
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS"), "12");
  EXPECT_EQ(test::StoredValue(blocked_path, "GENERAL", "DESCRIPTION"), "Blocked mill");
  EXPECT_EQ(test::StoredValue(other_path, "GENERAL", "DESCRIPTION"), "Other lathe");
}

// The main INI file, held in cache mode while the dialog is open, may be
// the one that cannot be written: its changes wait for the next OK.
TEST(SetupOkFailure, TheMainFileReplacedByAFolderKeepsItsChangesForTheNextOk) {
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  std::vector<GMachineType*> list(256, nullptr);
  int count = 0;
  std::string type_path;
  configuration.services.dialog_scripts.push_back([&](ModalDialog& dialog) {
    auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
    test::BoundControl<WSpinValue>(*setup.CurrentPage(), schema::kTabChars).UserEdit("12");
    GMachineType* type = SetupSession().working_types[0];
    type_path = type->Path();
    type->Values().SetText(schema::kDescription, "Renamed mill");
    type->SetChanged();
    const std::string type_text = test::ReadFile(type_path);
    FolderInPlaceOf folder(configuration.MainIniPath());
    size_t boxes = configuration.services.message_boxes.size();
    setup.Ok();
    ExpectOkRefused(setup, configuration.services, boxes, configuration.MainIniPath());
    EXPECT_EQ(test::ReadFile(type_path), type_text);

    ExpectOkSavesOnceMended(setup, configuration.services, boxes, folder);
  });
  EXPECT_EQ(RunSetupSession(1, list.data(), &count, &record, nullptr), 0);
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS"), "12");
  EXPECT_EQ(test::StoredValue(type_path, "GENERAL", "DESCRIPTION"), "Renamed mill");
}

// What a button wrote into the main file at once (the file associations'
// list) survives an OK that could not save, and Cancel after it writes that
// and none of the values the failed OK had taken from the pages.
TEST(SetupOkFailure, CancelAfterAFailedOkWritesWhatAButtonWroteAndNoPageValue) {
  for (bool main_blocked : {false, true}) {
    SCOPED_TRACE(main_blocked ? "main file blocked" : "type file blocked");
    test::TestConfiguration configuration;
    GPrefiguration& record = configuration.Start();
    std::vector<GMachineType*> list(256, nullptr);
    int count = 0;
    const std::string tab_chars = test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS");
    configuration.services.dialog_scripts.push_back([&](ModalDialog& dialog) {
      auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
      record.WriteString(schema::kRegisteredExtensionsSection, schema::kRegisteredExtensionsKey, "NC;MPF");
      test::BoundControl<WSpinValue>(*setup.CurrentPage(), schema::kTabChars).UserEdit("13");
      GMachineType* type = SetupSession().working_types[0];
      type->Values().SetText(schema::kDescription, "Not saved");
      type->SetChanged();
      FolderInPlaceOf folder(main_blocked ? configuration.MainIniPath() : type->Path());
      setup.Ok();
      EXPECT_FALSE(setup.HasEnded());
      folder.Mend();
      setup.Cancel();
    });
    EXPECT_EQ(RunSetupSession(1, list.data(), &count, &record, nullptr), 0);
    EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), schema::kRegisteredExtensionsSection,
                                schema::kRegisteredExtensionsKey),
              "NC;MPF");
    EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS"), tab_chars);
  }
}

}  // namespace
}  // namespace prefig
