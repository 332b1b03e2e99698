// Two editors on one configuration: while one has its settings dialog open,
// the other (prefig page set, the same savers in a process of its own) saves
// another machine type and a global setting. Neither save undoes the other.
#include <gtest/gtest.h>

#include "controls/auto_checkbox.h"
#include "pages/config_base.h"
#include "pages/editor_setup_main.h"
#include "pages/run_setup.h"
#include "schema/file_compare.h"
#include "schema/general.h"
#include "support/run_program.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

constexpr int kFileComparePage = 9;

TEST(TwoHosts, EachSavesItsOwnMachineTypeAndKeepsTheOthersSettings) {
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ASSERT_GE(record.MachineTypes().Count(), 2);
  const std::string mine = record.MachineTypes().At(0).Path();
  const std::string other = record.MachineTypes().At(1).Path();
  ASSERT_EQ(test::StoredValue(mine, "FILECOMPARE", "IGNORECASE"), "Yes");
  ASSERT_EQ(test::StoredValue(other, "FILECOMPARE", "IGNOREBLOCK"), "Yes");
  record.Host().current_machine_type = 0;

  configuration.services.dialog_scripts.push_back([&](ModalDialog& dialog) {
    auto& setup = dynamic_cast<DEditorSetupMain&>(dialog);
    const std::string root = configuration.directory();
    test::ProgramResult saved =
        test::Prefig({"page", "set", "DMchFilecompare", "--type", "2", "--root", root, "FILECOMPARE/IGNOREBLOCK=off"});
    EXPECT_EQ(saved.exit_code, 0) << saved.err;
    saved = test::Prefig({"page", "set", "1", "--root", root, "SYSTEM/TABCHARS=4"});
    EXPECT_EQ(saved.exit_code, 0) << saved.err;
    // This dialog shows (and so writes on OK) the General page too, with
    // the values it read before the other editor saved.
    int compare = setup.Selected();
    setup.Select(0);
    setup.Select(compare);
    test::BoundControl<WAutoCheckbox>(*setup.CurrentPage(), schema::kIgnoreCase).Click();
    setup.Ok();
  });
  std::vector<GMachineType*> list(256, nullptr);
  int count = 0;
  EXPECT_EQ(RunSetupSession(kFileComparePage, list.data(), &count, &record, nullptr), 0);

  EXPECT_EQ(test::StoredValue(mine, "FILECOMPARE", "IGNORECASE"), "No");
  EXPECT_EQ(test::StoredValue(mine, "FILECOMPARE", "IGNOREBLOCK"), "Yes");
  EXPECT_EQ(test::StoredValue(other, "FILECOMPARE", "IGNOREBLOCK"), "No");
  EXPECT_EQ(test::StoredValue(other, "FILECOMPARE", "IGNORECASE"), "Yes");
  EXPECT_EQ(test::StoredValue(configuration.MainIniPath(), "SYSTEM", "TABCHARS"), "4");
}

}  // namespace
}  // namespace prefig
