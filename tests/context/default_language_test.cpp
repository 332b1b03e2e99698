#include "context/default_language.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"

namespace prefig {
namespace {

struct Expected {
  const char* locale;
  const char* messages;
  const char* translations;
  bool american;
};

TEST(DefaultLanguageTest, LocalesMapThroughTheLanguageTable) {
  const Expected cases[] = {
      {"pl_PL.UTF-8", "pl-PL", "pl-PL", false},
      {"pt_BR.UTF-8", "pt-PT", "pt-BR", false},
      {"de_AT.ISO-8859-1@euro", "de-DE", "de-DE", false},
      {"de_BE.UTF-8", "de-DE", "de-DE", false},  // a territory not listed: the language's own
      {"sk_SK", "cs-CZ", "cs-CZ", false},
      {"zh_MO", "en-US", "en-US", false},  // not in the table
      {"en_US.UTF-8", "en-US", "en-US", true},
      {"en_GB.UTF-8", "en-US", "en-US", false},
      {"fr_CA", "fr-FR", "fr-FR", true},
      {"es_MX", "es-ES", "es-ES", true},
      {"es_US", "en-US", "en-US", false},
      {"hu_HU", "en-US", "en-US", false},
      {"C", "en-US", "en-US", false},
  };
  for (const Expected& c : cases) {
    uint16_t id = LanguageIdOfLocale(c.locale);
    bool american = !c.american;
    EXPECT_EQ(LanguageOfId(id, LanguageForm::kMessages, &american), c.messages) << c.locale;
    EXPECT_EQ(american, c.american) << c.locale;
    EXPECT_EQ(LanguageOfId(id, LanguageForm::kTranslations), c.translations) << c.locale;
  }
}

TEST(DefaultLanguageTest, FirstSetVariableOfTheLocaleWins) {
  test::ScopedEnv env;
  env.Set("LC_ALL", "");
  env.Set("LC_MESSAGES", "pl_PL.UTF-8");
  env.Set("LANG", "pt_BR.UTF-8");
  bool american = true;
  EXPECT_EQ(DefaultLanguage(&american), "pl-PL");
  EXPECT_FALSE(american);
  env.Set("LC_ALL", "pt_BR.UTF-8");
  EXPECT_EQ(DefaultLanguage(), "pt-PT");
  EXPECT_EQ(DefaultTranslationLanguage(), "pt-BR");
}

}  // namespace
}  // namespace prefig
