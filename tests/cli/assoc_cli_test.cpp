// prefig assoc: registering as a normal user writes the user's own files
// only (what they hold is checked with the associations themselves).
#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/registry.h"
#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

using test::Prefig;

TEST(AssocCli, ANormalUserRegistersListsAndUnregisters) {
  test::IsolatedHome home;
  const std::string program = PREFIG_CLI;  // opens the files: it must exist
  const std::string desktop = home.DataHome() + "/applications/VELMO.prefig.v8.desktop";
  bool registered = test::RunWithoutPrivileges(home.dir().path(), [&] {
    return Prefig({"assoc", "register", "nc,.tap", "--program", program}).exit_code == 0 &&
           Prefig({"assoc", "list", "--program", program}).out == "nc\ntap\n";
  });
  ASSERT_TRUE(registered);
  EXPECT_FALSE(platform::FileExists(home.MachineRegistry()));
  EXPECT_EQ(platform::ReadRegistryText("HKEY_CURRENT_USER\\Software\\Classes\\.nc\\"), "VELMO.prefig.v8");
  EXPECT_TRUE(platform::FileExists(desktop));

  bool unregistered = test::RunWithoutPrivileges(home.dir().path(), [&] {
    return Prefig({"assoc", "unregister", "NC,tap", "--program", program}).exit_code == 0 &&
           Prefig({"assoc", "list", "--program", program}).out.empty();
  });
  EXPECT_TRUE(unregistered);
  EXPECT_FALSE(platform::FileExists(desktop));
  EXPECT_FALSE(platform::FileExists(home.ConfigHome() + "/mimeapps.list"));
}

}  // namespace
}  // namespace prefig
