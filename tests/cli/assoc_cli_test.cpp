// prefig assoc: registering as a normal user writes the user's own files
// only (what they hold is checked with the associations themselves).
#include <gtest/gtest.h>

#include <filesystem>

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
  EXPECT_TRUE(platform::FileExists(home.ConfigHome() + "/prefig/registry/HKEY_CURRENT_USER.ini"));
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

TEST(AssocCli, UnusableExtensionsFailWithAMessage) {
  test::IsolatedHome home;
  test::ProgramResult result = Prefig({"assoc", "register", "../x", "--program", PREFIG_CLI});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.err.find("not every registration"), std::string::npos);
  EXPECT_EQ(Prefig({"assoc", "register"}).exit_code, 2);
}

}  // namespace
}  // namespace prefig
