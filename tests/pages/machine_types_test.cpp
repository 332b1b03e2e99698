// The machine type list on a record started from the templates: choosing,
// ordering, adding, renaming and removing types, driven as a user would,
// with the dialogs answered by scripts and the files in TYPES checked.
#include "pages/machine/machine_types.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <filesystem>
#include <regex>

#include "controls/header_ctrl.h"
#include "module/module_state.h"
#include "pages/machine_types/add_machine_type.h"
#include "pages/machine_types/rename_machine_type.h"
#include "pages/setup_session.h"
#include "schema/machine_general.h"
#include "schema/quiver.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"
#include "support/test_page.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

using namespace schema;
namespace fs = std::filesystem;
using Rows = std::vector<std::string>;

class MachineTypeList : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  std::unique_ptr<DMch> page;
  std::string types_dir = record.TypesDirectory();

  // The working list as the setup dialog makes it, `copies` more entries of
  // the first type, and the page shown.
  void Open(int current = 0, size_t copies = 0) {
    SetupSessionState& session = SetupSession();
    for (int i = 0; i < record.MachineTypes().Count(); ++i)
      session.working_types.push_back(&record.MachineTypes().At(i));
    session.working_types.insert(session.working_types.end(), copies, session.working_types.front());
    session.current_type = current;
    page = std::make_unique<DMch>();
    page->ShowPage(true);
  }

  WHeaderCtrl& List() { return test::FindControl<WHeaderCtrl>(*page); }
  WPushButton& Button(int text_id) { return test::ButtonWithText(*page, text_id); }
  WIcoButton& Arrow(const char* icon_name) {
    return test::FindControl<WIcoButton>(
        *page, [icon_name](const WIcoButton& b) { return std::string(b.IconName()) == icon_name; });
  }
  WPushButton& AddButton() { return Button(448); }
  WPushButton& RenameButton() { return Button(455); }
  WPushButton& RemoveButton() { return Button(499); }

  Rows Descriptions() {
    Rows rows;
    for (const auto& row : List().Rows()) rows.push_back(row.cells[0]);
    return rows;
  }
  // The add dialog answered with a description and the source whose entry
  // has this text.
  void AnswerAdd(const std::string& description, const std::string& source) {
    services.dialog_scripts.push_back([description, source](ModalDialog& dialog) {
      auto& add = dynamic_cast<DAddMch&>(dialog);
      add.Description().UserEdit(description);
      ASSERT_TRUE(add.Source().SelectText(source)) << source;
      add.Ok();
    });
  }
  void AnswerRename(const std::string& description) {
    services.dialog_scripts.push_back([description](ModalDialog& dialog) {
      auto& rename = dynamic_cast<DRenameMch&>(dialog);
      rename.Description().UserEdit(description);
      rename.Ok();
    });
  }
  GMachineType& Current() { return *CurrentMachineType(); }
};

TEST_F(MachineTypeList, ShowsTheWorkingListWithTheCurrentTypeSelected) {
  Open(2);
  EXPECT_EQ(Descriptions(), (Rows{"ISO Milling", "ISO Turning", "Heidenhain", "Haas Milling", "Haas Turning",
                                  "Text file", "Formulas"}));
  EXPECT_EQ(List().Selected(), 2);
  List().UserSelect(4);
  EXPECT_EQ(Current().Description(), "Haas Turning");
}

TEST_F(MachineTypeList, TheButtonsFollowTheSelectionAndTheCount) {
  Open();
  EXPECT_FALSE(Arrow(icon::kUp).IsEnabled());
  EXPECT_TRUE(Arrow(icon::kDown).IsEnabled());
  List().UserSelect(6);
  EXPECT_TRUE(Arrow(icon::kUp).IsEnabled());
  EXPECT_FALSE(Arrow(icon::kDown).IsEnabled());

  // Down to one type: nothing left to remove.
  services.default_message_box_answer = kIdYes;
  while (List().Count() > 1) RemoveButton().Click();
  EXPECT_FALSE(RemoveButton().IsEnabled());
  RemoveButton().Click();
  EXPECT_EQ(List().Count(), 1);
}

TEST_F(MachineTypeList, AFullListTakesNoMoreTypes) {
  Open(0, 256 - 7);
  EXPECT_FALSE(AddButton().IsEnabled());
  AddButton().Click();
  EXPECT_EQ(services.dialogs_run, 0);
}

TEST_F(MachineTypeList, MovingChangesTheOrderButNotPastTheEnds) {
  Open();
  Arrow(icon::kUp).Click();  // the first row, and disabled anyway
  EXPECT_FALSE(SetupSession().list_changed);
  Arrow(icon::kDown).Click();
  Arrow(icon::kDown).Click();
  EXPECT_EQ(Descriptions()[2], "ISO Milling");
  EXPECT_EQ(SetupSession().working_types[0]->Description(), "ISO Turning");
  EXPECT_TRUE(SetupSession().list_changed);
  EXPECT_FALSE(record.Host().machine_types_changed);  // the order is the setup dialog's business
}

TEST_F(MachineTypeList, AddFromABasicTypeInsertsAnEmptyTypeAfterTheSelectedOne) {
  Open(1);
  AnswerAdd("Fanuc 31i", "Empty Heidenhain machine type");
  AddButton().Click();
  ASSERT_EQ(List().Count(), 8);
  EXPECT_EQ(Descriptions()[2], "Fanuc 31i");
  EXPECT_EQ(List().Selected(), 2);
  GMachineType& added = Current();
  EXPECT_EQ(added.Path(), types_dir + "/Fanuc 31i.MAC");
  EXPECT_EQ(added.BasicType(), 1);
  EXPECT_TRUE(std::regex_match(added.Name(), std::regex("[0-9A-F]{8}")));
  EXPECT_EQ(test::StoredValue(added.Path(), "GENERAL", "DESCRIPTION"), "Fanuc 31i");
  EXPECT_EQ(test::StoredValue(added.Path(), "LOADSAVE", "SAVEEXT"), "H");  // defaults of its basic type
  EXPECT_EQ(List().Rows()[2].cells[1], "Heidenhain");
  EXPECT_EQ(SetupSession().new_types[0].get(), &added);
}

TEST_F(MachineTypeList, AddFromATemplateCopiesItAndAsACopyTakesTheTypesLatestSettings) {
  Open();
  AnswerAdd("Mill copy", "ISO Milling Template (template)");
  AddButton().Click();
  GMachineType& from_template = Current();
  EXPECT_EQ(from_template.Description(), "Mill copy");
  EXPECT_NE(from_template.Name(), "49534F4D");  // not the template's identifier
  EXPECT_EQ(test::StoredValue(from_template.Path(), "LOADSAVE", "LOADEXT"), "NCL,ISO,TAP,NC1");

  // A listed type is saved first, so the copy has what the pages changed.
  GMachineType& heidenhain = *SetupSession().working_types[3];
  heidenhain.Values().SetInt(kColIndicator, 72);
  heidenhain.SetChanged();
  AnswerAdd("Heidenhain 2", "heidenhain");
  AddButton().Click();
  GMachineType& copy = Current();
  EXPECT_EQ(copy.Values().Int(kColIndicator), 72);
  EXPECT_EQ(test::StoredValue(heidenhain.Path(), "GENERAL", "COLINDICATOR"), "72");
  EXPECT_EQ(Descriptions()[2], "Heidenhain 2");  // after the selected "Mill copy"
}

TEST_F(MachineTypeList, TheAddDialogOffersTypesTemplatesWithADescriptionAndBasicTypes) {
  test::WriteFile(configuration.directory() + "/Templates/Nameless.typ", "[GENERAL]\r\nBASICTYPE=2\r\n");
  test::WriteFile(configuration.directory() + "/Templates/Blank.TYP", "[GENERAL]\r\nDESCRIPTION=  \r\n");
  Open(2);
  std::vector<std::string> offered;
  std::string selected;
  services.dialog_scripts.push_back([&](ModalDialog& dialog) {
    auto& add = dynamic_cast<DAddMch&>(dialog);
    for (const auto& entry : add.Source().Entries()) offered.push_back(entry.text);
    selected = add.Source().SelectedText();
  });
  AddButton().Click();
  EXPECT_EQ(offered,
            (std::vector<std::string>{
                "ISO Milling", "ISO Turning", "Heidenhain", "Haas Milling", "Haas Turning", "Text file", "Formulas",
                "Formulas Template (template)", "Heidenhain Template (template)", "Haas Turning Template (template)",
                "Haas Milling Template (template)", "ISO Turning Template (template)",
                "ISO Milling Template (template)", "Text file Template (template)", "Empty ISO machine type",
                "Empty Heidenhain machine type", "Empty text file type", "Empty APT machine type"}));
  EXPECT_EQ(selected, "Heidenhain");
  EXPECT_EQ(List().Count(), 7);  // cancelled
  EXPECT_FALSE(SetupSession().list_changed);
  EXPECT_EQ(test::ReadFile(configuration.directory() + "/Templates/Nameless.typ"), "[GENERAL]\r\nBASICTYPE=2\r\n");
}

TEST_F(MachineTypeList, ADescriptionOfATypeOrABasicTypeIsRefusedOneOfATemplateIsNot) {
  Open();
  services.dialog_scripts.push_back([this](ModalDialog& dialog) {
    auto& add = dynamic_cast<DAddMch&>(dialog);
    add.Description().UserEdit("   ");
    add.Ok();
    EXPECT_FALSE(add.HasEnded());
    for (const char* taken : {" haas milling ", "EMPTY TEXT FILE TYPE"}) {
      add.Description().UserEdit(taken);
      add.Ok();
      EXPECT_FALSE(add.HasEnded()) << taken;
    }
    ASSERT_EQ(services.message_boxes.size(), 2u);
    EXPECT_EQ(services.message_boxes[0].text, MessageString(3539));
    add.Description().UserEdit("Haas Milling Template");
    add.Ok();
    EXPECT_TRUE(add.HasEnded());
  });
  AddButton().Click();
  EXPECT_EQ(Current().Description(), "Haas Milling Template");
}

// A description becomes a file name: it must neither lead out of TYPES nor
// take over a file that is there, and it stays as the user typed it.
TEST_F(MachineTypeList, ADescriptionNeverLeadsOutOfTypesNorOverAnExistingFile) {
  Open();
  std::string before = test::ReadFile(types_dir + "/ISO Mill.MAC");
  struct Case {
    const char* description;
    std::string file;
  } cases[] = {
      {"../../escape", "....escape.MAC"},
      {"a/b\\c:d*e?f\"g<h>i|j", "abcdefghij.MAC"},
      {"ISO Mill", "ISO Mill (2).MAC"},  // the file of "ISO Milling"
      {"..", ""},                        // nothing left: the identifier names it
  };
  for (const Case& c : cases) {
    AnswerAdd(c.description, "Empty ISO machine type");
    AddButton().Click();
    GMachineType& added = Current();
    EXPECT_EQ(added.Description(), c.description);
    EXPECT_EQ(test::StoredValue(added.Path(), "GENERAL", "DESCRIPTION"), c.description);
    std::string expected = c.file.empty() ? added.Name() + ".MAC" : c.file;
    EXPECT_EQ(added.Path(), types_dir + "/" + expected) << c.description;
    EXPECT_EQ(fs::path(added.Path()).parent_path(), fs::path(types_dir));
  }
  EXPECT_EQ(test::ReadFile(types_dir + "/ISO Mill.MAC"), before);
  std::vector<std::string> outside;
  for (const auto& entry : fs::recursive_directory_iterator(configuration.directory())) {
    if (entry.path().filename().string().find("escape") != std::string::npos) outside.push_back(entry.path());
  }
  EXPECT_EQ(outside, (std::vector<std::string>{types_dir + "/....escape.MAC"}));
}

TEST_F(MachineTypeList, RenameMovesTheFileWithItsContents) {
  Open(1);
  GMachineType& type = Current();
  std::string old_path = type.Path();
  type.Ini().WriteString("MINE", "KEPT", "yes");
  AnswerRename("iso turning");  // its own name in another case: no question of duplicates
  RenameButton().Click();
  EXPECT_TRUE(services.message_boxes.empty());
  EXPECT_EQ(type.Description(), "iso turning");
  EXPECT_EQ(type.Path(), types_dir + "/iso turning.MAC");
  EXPECT_FALSE(fs::exists(old_path));
  EXPECT_EQ(test::StoredValue(type.Path(), "MINE", "KEPT"), "yes");
  EXPECT_TRUE(SetupSession().list_changed);
  EXPECT_TRUE(record.Host().machine_types_changed);
}

// A disk that takes the template's copy but not the new type's identity
// written into it (a file size limit of the template's size, in a child
// process): no type is added that would be a second of the template's.
TEST_F(MachineTypeList, AnAddWhoseFileCannotBeWrittenAddsNothingAndSaysSo) {
  Open(1);
  const std::string description = "Mill copy whose description is longer than the template's";
  std::string path = types_dir + "/" + description + ".MAC";
  auto template_size = fs::file_size(record.ProgramDirectory() + "/Templates/ISO Mill.TYP");
  pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{template_size, template_size};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    AnswerAdd(description, "ISO Milling Template (template)");
    AddButton().Click();
    bool refused = List().Count() == 7 && SetupSession().new_types.empty() && !fs::exists(path) &&
                   services.message_boxes.size() == 1 &&
                   services.message_boxes[0].text == "The machine type file \"" + path + "\" could not be written.";
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(MachineTypeList, ARenameThatCannotMoveTheFileChangesNothingAndSaysSo) {
  Open(1);
  GMachineType& type = Current();
  std::string path = type.Path();
  bool kept = test::RunWithoutPrivileges(configuration.directory(), [&] {
    fs::permissions(types_dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    AnswerRename("Lathe");
    RenameButton().Click();
    fs::permissions(types_dir, fs::perms::owner_write, fs::perm_options::add);
    return type.Path() == path && type.Description() == "ISO Turning" && Descriptions()[1] == "ISO Turning" &&
           fs::exists(path) && services.message_boxes.size() == 1 &&
           services.message_boxes[0].text ==
               "The machine type file \"" + types_dir + "/Lathe.MAC\" could not be written." &&
           !SetupSession().list_changed;
  });
  EXPECT_TRUE(kept);
}

TEST_F(MachineTypeList, RemoveAsksWithTheDescriptionAndTheNextTypeBecomesCurrent) {
  Open(6);
  GMachineType* formulas = &Current();
  services.message_box_answers = {kIdNo, kIdYes};
  RemoveButton().Click();
  EXPECT_EQ(List().Count(), 7);
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text, "Remove the machine type \"Formulas\"?");
  EXPECT_EQ(services.message_boxes[0].buttons, MessageButtons::kYesNo);
  RemoveButton().Click();
  EXPECT_EQ(List().Count(), 6);
  EXPECT_EQ(SetupSession().removed_types, (std::vector<GMachineType*>{formulas}));
  EXPECT_EQ(Current().Description(), "Text file");
  EXPECT_TRUE(fs::exists(formulas->Path()));  // the close step decides
}

// Without the database, a stored type is grey and stays as it is; with it,
// the check boxes say which types it stores.
TEST_F(MachineTypeList, StoredTypesAreGreyOrCheckedByTheQuiverMode) {
  GMachineType& stored = record.MachineTypes().At(1);
  stored.Values().SetBool(kQuiverStore, true);
  Open(1);
  EXPECT_TRUE(List().Rows()[1].grey);

  page.reset();
  SetupSession().working_types.clear();
  record.Host().quiver_connected = true;
  record.Host().quiver_stores_types = true;
  Open(1);
  List().UserCheck(1, false);
  List().UserCheck(3, true);
  page->SaveValues();
  EXPECT_FALSE(stored.Values().Bool(kQuiverStore));
  EXPECT_TRUE(record.MachineTypes().At(3).Values().Bool(kQuiverStore));
}

}  // namespace
}  // namespace prefig
