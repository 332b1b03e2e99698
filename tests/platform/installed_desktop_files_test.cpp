// The desktop files the package installs (resources/desktop) name the MIME
// types as `prefig assoc register` names them, and the desktop entry opens
// exactly the types the MIME package declares.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "platform/desktop_integration.h"
#include "platform/key_file.h"
#include "support/temp_dir.h"

namespace prefig::platform {
namespace {

std::string DesktopResource(const char* name) {
  return test::ReadFile(std::string(PREFIG_SOURCE_DIR) + "/resources/desktop/" + name);
}

TEST(InstalledDesktopFiles, TheMimePackageAndTheDesktopEntryAgreeWithTheRegistration) {
  std::string package = DesktopResource("prefig.xml");
  std::regex entry(
      "<mime-type type=\"([^\"]+)\">\\s*<comment>[^<]+</comment>\\s*"
      "<sub-class-of type=\"text/plain\"/>\\s*<glob pattern=\"\\*\\.([^\"]+)\" weight=\"40\"/>");
  std::set<std::string> declared;
  for (std::sregex_iterator it(package.begin(), package.end(), entry), end; it != end; ++it) {
    EXPECT_EQ((*it)[1].str(), MimeTypeOfExtension((*it)[2].str()));
    declared.insert((*it)[1].str());
  }
  // The NC extensions of the shipped templates; no text or table types.
  EXPECT_EQ(declared,
            (std::set<std::string>{"text/x-velmo-h", "text/x-velmo-hh", "text/x-velmo-hnc", "text/x-velmo-i",
                                   "text/x-velmo-nc", "text/x-velmo-ncl", "text/x-velmo-nc1", "text/x-velmo-tap",
                                   "text/x-velmo-has", "text/x-velmo-iso", "text/x-velmo-lat"}));

  std::string desktop = DesktopResource("prefig-host.desktop");
  auto types = key_file::SplitList(key_file::Value(desktop, "Desktop Entry", "MimeType").value_or(""));
  EXPECT_EQ(std::set<std::string>(types.begin(), types.end()), declared);
  EXPECT_EQ(key_file::Value(desktop, "Desktop Entry", "Exec"), "prefig-host %f");
  EXPECT_EQ(key_file::Value(desktop, "Desktop Entry", "Icon"), "prefig-host");
}

}  // namespace
}  // namespace prefig::platform
