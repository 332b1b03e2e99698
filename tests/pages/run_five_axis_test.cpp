// Run5AxisMchSetup as the host calls it: the password, a text that is no
// record, OK and Cancel, on a configuration of its own.
#include "pages/run_five_axis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "module/module_abi.h"
#include "pages/five_axis_dialog.h"
#include "pages/get_config_password.h"
#include "record/five_axis_files.h"
#include "record/five_axis_record.h"
#include "schema/features.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

class RunFiveAxisTest : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  std::string user_file = UserFiveAxisFile(ConfigPaths().GetPath(kTypesKey));
};

TEST_F(RunFiveAxisTest, ATextThatIsNoRecordShowsNothingAndStaysAsItWas) {
  for (const std::string& text :
       std::vector<std::string>{"", "2$DMU-70$1", "1$half a record", std::string(kDefaultFiveAxisText) + "$0$0"}) {
    std::string definition = text;
    EXPECT_FALSE(RunFiveAxisSetup(definition, &record)) << text;
    EXPECT_EQ(definition, text);
  }
  EXPECT_EQ(services.dialogs_run, 0);
}

TEST_F(RunFiveAxisTest, OkHandsBackTheChosenRecordAndWritesTheUserMachines) {
  std::string definition(kDefaultFiveAxisText);
  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    auto& five_axis = dynamic_cast<WInspect5Axis&>(dialog);
    EXPECT_EQ(five_axis.Entries()[five_axis.Selection()].name, "DMU-70");
    five_axis.Ok();
  });
  ASSERT_TRUE(RunFiveAxisSetup(definition, nullptr));
  EXPECT_EQ(definition, std::string(kDefaultFiveAxisText) + "$0");  // the dialog writes the second reserved field
  EXPECT_TRUE(std::filesystem::exists(user_file));
}

TEST_F(RunFiveAxisTest, CancelAndARefusedPasswordLeaveTheTextAndTheFiles) {
  const std::string text(kDefaultFiveAxisText);
  std::string definition = text;
  services.dialog_scripts.push_back([](ModalDialog& dialog) { dynamic_cast<WInspect5Axis&>(dialog).Cancel(); });
  EXPECT_FALSE(RunFiveAxisSetup(definition, &record));
  EXPECT_EQ(definition, text);

  record.Global().Values().SetText(schema::kPassword, "SECRET");
  services.dialog_scripts.push_back([](ModalDialog& dialog) { dynamic_cast<DGetConfigPassword&>(dialog).Cancel(); });
  EXPECT_FALSE(RunFiveAxisSetup(definition, &record));
  EXPECT_EQ(services.dialogs_run, 2);  // the 5-axis dialog, then the password alone
  EXPECT_EQ(definition, text);
  EXPECT_FALSE(std::filesystem::exists(user_file));

  services.dialog_scripts.push_back([](ModalDialog& dialog) {
    auto& password = dynamic_cast<DGetConfigPassword&>(dialog);
    password.Entry().UserEdit("secret");
    password.Ok();
  });
  services.dialog_scripts.push_back([](ModalDialog& dialog) { dynamic_cast<WInspect5Axis&>(dialog).Ok(); });
  EXPECT_TRUE(RunFiveAxisSetup(definition, &record));
  EXPECT_EQ(services.dialogs_run, 4);
}

TEST(FiveAxisDefinitionSize, HoldsTheLongestRecordADialogCanHandBack) {
  FiveAxisRecord longest;
  longest.name = std::string(kFiveAxisNameMax, 'W');
  for (FiveAxisRotary* axis : {&longest.axis1, &longest.axis2}) {
    axis->direction = axis->offset = {-kFiveAxisNumberMax, -kFiveAxisNumberMax, -kFiveAxisNumberMax};
    axis->minimum = axis->maximum = -kFiveAxisNumberMax;
  }
  longest.tool = {-kFiveAxisNumberMax, -kFiveAxisNumberMax, -kFiveAxisNumberMax};
  longest.reserved = INT32_MIN;
  longest.reserved2 = INT32_MIN;
  EXPECT_LT(FormatFiveAxisRecord(longest).size(), static_cast<size_t>(kFiveAxisDefinitionSize));
}

}  // namespace
}  // namespace prefig
