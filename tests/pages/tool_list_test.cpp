// The tool list page: the prefix in text or expression mode, the standard
// templates following the generator, and editing the template, in a whole
// setup session too.
#include "pages/machine/tool_list.h"

#include <gtest/gtest.h>

#include <memory>

#include "module/host_interface.h"
#include "pages/editor_setup_main.h"
#include "pages/page_text.h"
#include "pages/run_setup.h"
#include "pages/setup_session.h"
#include "platform/file_io.h"
#include "schema/load_save.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;

class ToolList : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      SetupSession().working_types.push_back(&record.MachineTypes().At(i));
    }
    SetupSession().current_type = 0;
  }
  GMachineType& Type() { return record.MachineTypes().At(0); }
  std::string Data(const char* name) { return platform::JoinPath(record.SettingsContext().data_directory, name); }
  template <typename Control>
  Control& Named(DMchToollist& page, const char* name) {
    std::string error;
    WControl* control = page_text::Find(page_text::Describe(page), name, &error);
    if (control == nullptr) throw std::logic_error(error);
    return static_cast<Control&>(*control);
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
};

// The default template lives in DATA, so it must follow the generator; a
// template of the user's own never does.
TEST_F(ToolList, AStandardTemplateFollowsTheGeneratorAndAnOwnTemplateStays) {
  DMchToollist page;
  page.ShowPage(true);
  EXPECT_EQ(page.Template(), Data("ToolList.txt"));
  auto& generator = test::BoundControl<WAutoCheckbox>(page, kUseNewToolList);
  generator.Click();
  EXPECT_EQ(page.Template(), Data("NewToolList.txt"));
  generator.Click();
  EXPECT_EQ(page.Template(), Data("ToolList.txt"));

  std::string beside_program = platform::JoinPath(record.SettingsContext().program_directory, "toollist.TXT");
  Type().Values().SetText(kTemplate, beside_program);
  page.ShowPage(false);
  page.ShowPage(true);
  generator.Click();
  EXPECT_EQ(page.Template(), Data("NewToolList.txt"));

  std::string own = configuration.directory() + "/Mine/ToolList.txt";
  services.file_answers.push_back(own);
  Named<WIcoButton>(page, "#13375").Click();
  generator.Click();
  EXPECT_EQ(page.Template(), own);
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Text(kTemplate), own);
}

TEST_F(ToolList, TheExpressionMarkIsShownAsTheModeAndStoredOnlyWithAText) {
  Type().Values().SetText(kToolPrefix, "2:T[0-9]+");
  DMchToollist page;
  page.ShowPage(true);
  auto& prefix = Named<WEditAscii>(page, "#13386");
  EXPECT_EQ(prefix.Text(), "T[0-9]+");
  EXPECT_EQ(prefix.TriggerMode(), WEditAscii::kRegularExpressionMode);
  prefix.UserEdit(" D[0-9]+ ");
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Text(kToolPrefix), "2:D[0-9]+");

  page.ShowPage(true);
  prefix.UserEdit("");
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Text(kToolPrefix), "");

  Type().Values().SetText(kToolPrefix, "1:TN");
  page.ShowPage(true);
  EXPECT_EQ(prefix.Text(), "TN");
  EXPECT_EQ(prefix.TriggerMode(), 0);
  page.ResetToDefaults();
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Text(kToolPrefix), "T");
  EXPECT_EQ(Type().Values().Text(kTemplate), Data("ToolList.txt"));
}

TEST_F(ToolList, AnRtfTemplateGoesToTheDesktopAndTheDialogStays) {
  Type().Values().SetText(kTemplate, "/tmp/list.RTF");
  DMchToollist page;
  page.ShowPage(true);
  Named<WIcoButton>(page, "#13376").Click();
  EXPECT_EQ(services.opened_documents, std::vector<std::string>{"/tmp/list.RTF"});
  EXPECT_TRUE(services.host_messages.empty());
}

// Editing the template ends the session as OK does: the edit made on
// another page before is written, then the host opens the template.
TEST_F(ToolList, EditingTheTemplateInASessionKeepsEveryChange) {
  std::string path = Type().Path();
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
    test::BoundControl<WEdit>(*setup.CurrentPage(), kSaveExt).UserEdit("XYZ");
    for (size_t i = 0; i < setup.Tree().size(); ++i) {
      if (setup.Tree()[i].id == PageId::kToolList) setup.Select(static_cast<int>(i));
    }
    auto& edit = test::FindControl<WIcoButton>(*setup.CurrentPage(),
                                               [](const WIcoButton& button) { return button.TooltipId() == 13376; });
    edit.Click();
    EXPECT_TRUE(dialog.HasEnded());
    EXPECT_EQ(dialog.EndCode(), kIdOk);
  });
  std::vector<GMachineType*> list(256, nullptr);
  int count = 0;
  EXPECT_EQ(RunSetupSession(8, list.data(), &count, &record, nullptr), 0);

  EXPECT_EQ(test::StoredValue(path, "LOADSAVE", "SAVEEXT"), "XYZ");
  ASSERT_EQ(services.host_messages.size(), 1u);
  const auto& message = services.host_messages[0];
  EXPECT_EQ(message.message, kMsgOpenFile);
  EXPECT_TRUE(message.posted);
  std::unique_ptr<OpenFileRecord> open(reinterpret_cast<OpenFileRecord*>(message.wparam));
  EXPECT_STREQ(open->path, Data("ToolList.txt").c_str());
  EXPECT_STREQ(open->display_path, open->path);
  EXPECT_EQ(open->flags, 0u);
  EXPECT_FALSE(SetupSession().close_with_ok);
}

}  // namespace
}  // namespace prefig
