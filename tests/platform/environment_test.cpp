// %NAME% expansion and the user's directories.
#include "platform/environment.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"

namespace prefig::platform {
namespace {

TEST(ExpandEnvironment, ReplacesSetVariablesAndKeepsTheRest) {
  test::ScopedEnv env;
  env.Set("PREFIG_A", "alpha");
  env.Set("PREFIG_B", "");
  env.Set("PREFIG_UNSET", std::nullopt);
  EXPECT_EQ(ExpandEnvironment("x/%PREFIG_A%/y", 100), "x/alpha/y");
  EXPECT_EQ(ExpandEnvironment("[%PREFIG_B%]", 100), "[]");
  EXPECT_EQ(ExpandEnvironment("%PREFIG_UNSET%/x", 100), "%PREFIG_UNSET%/x");
  // The closing sign of a name that is not set may open the next one.
  EXPECT_EQ(ExpandEnvironment("%PREFIG_UNSET%PREFIG_A%", 100), "%PREFIG_UNSETalpha");
  EXPECT_EQ(ExpandEnvironment("100% and %%", 100), "100% and %%");
  EXPECT_EQ(ExpandEnvironment("%PREFIG_A%", 5), "alpha");
  EXPECT_EQ(ExpandEnvironment("%PREFIG_A%.", 5), std::nullopt);  // too long
}

TEST(Environment, AppDataFallsBackToTheUserConfigDirectory) {
  test::ScopedEnv env;
  env.Set("APPDATA", std::nullopt);
  env.Set("HOME", "/home/someone");
  env.Set("XDG_CONFIG_HOME", "/elsewhere/config");
  EXPECT_EQ(ExpandEnvironment("%APPDATA%/V", 100), "/elsewhere/config/V");
  env.Set("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(EnvironmentValue("APPDATA"), "/home/someone/.config");
  env.Set("XDG_CONFIG_HOME", "relative/is/ignored");
  EXPECT_EQ(UserConfigDirectory(), "/home/someone/.config");
}

}  // namespace
}  // namespace prefig::platform
