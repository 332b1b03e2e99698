#include "pages/get_config_password.h"

#include <gtest/gtest.h>

#include "pages/scripted_services.h"
#include "support/message_table.h"

namespace prefig {
namespace {

class Password : public ::testing::Test {
 protected:
  // The user types each entry in turn and presses OK; Cancel when `cancel`.
  bool Enter(std::string_view expected, std::vector<std::string> entries, bool cancel = false) {
    services.dialog_scripts.push_back([entries, cancel](ModalDialog& dialog) {
      auto& password = static_cast<DGetConfigPassword&>(dialog);
      for (const std::string& entry : entries) {
        password.Entry().UserEdit(entry);
        password.Ok();
        if (dialog.HasEnded()) return;
      }
      if (cancel) password.Cancel();
    });
    return CheckConfigPassword(expected);
  }

  test::ScopedMessages messages{{{461, "Wrong password"}}};
  ScopedScriptedServices services;
};

TEST_F(Password, CaseAndSurroundingBlanksDoNotMatter) {
  EXPECT_TRUE(Enter("SECRET", {"secret"}));
  EXPECT_TRUE(Enter("SECRET", {"  secret  "}));
  EXPECT_TRUE(services.message_boxes.empty());
}

TEST_F(Password, WrongEntriesAreReportedAndMayBeRetriedWithoutLimit) {
  EXPECT_TRUE(Enter("SECRET", {"a", "b", "c", "secret"}));
  ASSERT_EQ(services.message_boxes.size(), 3u);
  const MessageBoxRequest& report = services.message_boxes[0];
  EXPECT_EQ(report.text, "Wrong password");
  EXPECT_EQ(report.caption_id, 330);
  EXPECT_EQ(report.icon, MessageIcon::kStop);
  EXPECT_FALSE(Enter("SECRET", {"secre t"}, true));
  EXPECT_FALSE(Enter("SECRET", {}));  // the dialog closed without OK
}

TEST_F(Password, AnEmptyPasswordTakesAnEmptyOrBlankEntry) {
  EXPECT_TRUE(Enter("", {""}));
  EXPECT_TRUE(Enter("", {"   "}));
  EXPECT_FALSE(Enter("", {"x"}, true));
}

}  // namespace
}  // namespace prefig
