#include "context/localization.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "pages/scripted_services.h"
#include "plugins/localization/translation_file.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

constexpr const char* kLibrary = PREFIG_LOCALIZATION_PATH;

class LocalizationTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  ScopedScriptedServices services;
  GLocalization localization;
  test::ScopedEnv env;
  void SetUp() override { env.Set("LC_ALL", "pt_BR.UTF-8"); }

  void WriteTranslation(const std::string& language, const std::string& target) {
    std::string xml = "<translation language=\"" + language + "\"><text><source>Milling</source><target>" + target +
                      "</target></text></translation>";
    test::WriteFile(dir.File("msg_" + language + ".xmlz"), localization::PackTranslation(xml));
  }
  // What the library now holds for "Milling", through its list functions.
  std::string Milling() {
    LocalizationTranslateList* list = localization.GetTranslateList()();
    std::string found;
    for (int i = 0; i < list->count; ++i) {
      if (std::string(list->entries[i].source) == "Milling") found = list->entries[i].target;
    }
    localization.DeleteTranslateList()(list);
    return found;
  }
};

TEST_F(LocalizationTest, ReadsTheFileOfTheLanguage) {
  WriteTranslation("de-DE", "Fr\xC3\xA4sen");
  EXPECT_EQ(localization.Init(kLibrary, dir.path(), "de"), "de-DE");  // legacy code normalised
  EXPECT_TRUE(localization.IsLoaded());
  EXPECT_EQ(localization.Language(), "de-DE");
  EXPECT_EQ(Milling(), "Fr\xC3\xA4sen");
  EXPECT_TRUE(services.message_boxes.empty());

  // An unreadable file loads nothing and keeps what was read.
  test::WriteFile(dir.File("msg_fi-FI.xmlz"), "not zlib");
  EXPECT_EQ(localization.Init(kLibrary, dir.path(), "fi-FI"), "");
  EXPECT_EQ(Milling(), "Fr\xC3\xA4sen");
}

TEST_F(LocalizationTest, MissingFilesFallBackToTheLocaleThenEnglish) {
  WriteTranslation("en-US", "Milling");
  WriteTranslation("pt-BR", "Fresagem");
  // Brazilian Portuguese: the locale's translation file is pt-BR.
  EXPECT_EQ(localization.Init(kLibrary, dir.path(), "fi-FI"), "pt-BR");
  EXPECT_EQ(Milling(), "Fresagem");
  std::filesystem::remove(dir.File("msg_pt-BR.xmlz"));
  EXPECT_EQ(localization.Init(kLibrary, dir.path(), "../../fi"), "en-US");
  std::filesystem::remove(dir.File("msg_en-US.xmlz"));
  EXPECT_EQ(localization.Init(kLibrary, dir.path(), "fi-FI"), "");
}

TEST_F(LocalizationTest, ALibraryWithoutTheFunctionsIsNotTaken) {
  // A plug-in that loads but lacks the functions, and nothing else to find.
  EXPECT_EQ(localization.Init(std::string(PREFIG_TEST_PLUGIN_BASE) + "/Dll/AcceptingPlugin.so", dir.path(), "de-DE"),
            "");
  EXPECT_FALSE(localization.IsLoaded());
  ASSERT_EQ(services.message_boxes.size(), 1u);
  const MessageBoxRequest& box = services.message_boxes[0];
  EXPECT_EQ(box.text,
            "Could not find a valid Localization.so.\n\nPlease try reinstalling your product.\n\n"
            "If the problem persists, please contact VELMO support.");
}

}  // namespace
}  // namespace prefig
