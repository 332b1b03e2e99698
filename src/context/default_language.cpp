#include "context/default_language.h"

#include "context/language_code.h"
#include "platform/environment.h"

namespace prefig {
namespace {

struct LocaleId {
  const char* locale;  // language, or language_TERRITORY
  uint16_t id;
};

// Identifiers of the locales that matter to the mapping below: every
// language of its table with its territories, the English ones (some are
// American) and a few that map to English. A language alone, or with a territory not
// listed, takes its first entry.
constexpr LocaleId kLocaleIds[] = {
    {"zh", 0x0804},    {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
    {"cs", 0x0405},    {"sk", 0x041B},    {"da", 0x0406},    {"de", 0x0407},    {"de_CH", 0x0807}, {"de_AT", 0x0C07},
    {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"es", 0x0C0A},    {"es_MX", 0x080A}, {"es_GT", 0x100A}, {"es_CR", 0x140A},
    {"es_PA", 0x180A}, {"es_DO", 0x1C0A}, {"es_VE", 0x200A}, {"es_CO", 0x240A}, {"es_PE", 0x280A}, {"es_AR", 0x2C0A},
    {"es_EC", 0x300A}, {"es_CL", 0x340A}, {"es_UY", 0x380A}, {"es_PY", 0x3C0A}, {"es_BO", 0x400A}, {"es_SV", 0x440A},
    {"es_HN", 0x480A}, {"es_NI", 0x4C0A}, {"es_PR", 0x500A}, {"es_US", 0x540A}, {"fi", 0x040B},    {"fr", 0x040C},
    {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr_LU", 0x140C}, {"fr_MC", 0x180C}, {"it", 0x0410},
    {"it_CH", 0x0810}, {"ja", 0x0411},    {"ko", 0x0412},    {"nl", 0x0413},    {"nl_BE", 0x0813}, {"nb", 0x0414},
    {"no", 0x0414},    {"nn", 0x0814},    {"pl", 0x0415},    {"pt", 0x0416},    {"pt_PT", 0x0816}, {"sv", 0x041D},
    {"sv_FI", 0x081D}, {"th", 0x041E},    {"hu", 0x040E},    {"et", 0x0425},    {"en", 0x0409},    {"en_GB", 0x0809},
    {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"en_JM", 0x2009},
    {"en_BZ", 0x2809}, {"en_TT", 0x2C09}, {"en_ZW", 0x3009}, {"en_PH", 0x3409}, {"en_IN", 0x4009}, {"en_SG", 0x4809},
};

struct IdLanguage {
  uint16_t id;
  const char* code;
};

constexpr IdLanguage kIdLanguages[] = {
    {0x0804, "zh-CN"}, {0x0C04, "zh-CN"}, {0x1004, "zh-CN"}, {0x0404, "zh-TW"}, {0x0405, "cs-CZ"}, {0x041B, "cs-CZ"},
    {0x0406, "da-DK"}, {0x0407, "de-DE"}, {0x0807, "de-DE"}, {0x0C07, "de-DE"}, {0x1007, "de-DE"}, {0x1407, "de-DE"},
    {0x040B, "fi-FI"}, {0x040C, "fr-FR"}, {0x080C, "fr-FR"}, {0x0C0C, "fr-FR"}, {0x100C, "fr-FR"}, {0x140C, "fr-FR"},
    {0x0410, "it-IT"}, {0x0810, "it-IT"}, {0x0411, "ja-JP"}, {0x0415, "pl-PL"}, {0x0416, "pt-PT"}, {0x0816, "pt-PT"},
    {0x041D, "sv-SE"}, {0x081D, "sv-SE"}, {0x0425, "et-EE"},
};

constexpr uint16_t kSpanish = 0x0A;
constexpr uint16_t kPortuguese = 0x16;
uint16_t PrimaryLanguage(uint16_t id) { return id & 0x3FF; }
uint16_t SubLanguage(uint16_t id) { return id >> 10; }

bool IsAmerican(uint16_t id) {
  switch (id) {
    case 0x0409:
    case 0x1009:
    case 0x2009:
    case 0x2409:
    case 0x0C0C: return true;
    default: break;
  }
  // Spanish of the Americas: every Spanish sublanguage from 2 to 20 but
  // 3, modern Spain.
  const uint16_t sub = SubLanguage(id);
  return PrimaryLanguage(id) == kSpanish && sub >= 2 && sub <= 20 && sub != 3;
}

}  // namespace

uint16_t LanguageIdOfLocale(std::string_view locale) {
  locale = locale.substr(0, locale.find_first_of(".@"));
  const size_t split = locale.find('_');
  const std::string_view language = locale.substr(0, split);
  uint16_t language_id = 0;
  for (const LocaleId& entry : kLocaleIds) {
    std::string_view name = entry.locale;
    if (name == locale) return entry.id;
    if (language_id == 0 && name == language) language_id = entry.id;
  }
  return language_id;
}

std::string UserLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::optional<std::string> value = platform::EnvironmentValue(variable);
    if (value && !value->empty()) return *value;
  }
  return {};
}

std::string LanguageOfId(uint16_t id, LanguageForm form, bool* american) {
  if (american) *american = IsAmerican(id);
  // Spanish: sublanguages 1 to 20 (0x040A to 0x500A).
  if (PrimaryLanguage(id) == kSpanish && SubLanguage(id) >= 1 && SubLanguage(id) <= 20) return "es-ES";
  for (const IdLanguage& entry : kIdLanguages) {
    if (entry.id != id) continue;
    if (form == LanguageForm::kTranslations && PrimaryLanguage(id) == kPortuguese) return "pt-BR";
    return entry.code;
  }
  return kEnglishLanguage;
}

std::string DefaultLanguage(bool* american) {
  return LanguageOfId(LanguageIdOfLocale(UserLocale()), LanguageForm::kMessages, american);
}

std::string DefaultTranslationLanguage() {
  return LanguageOfId(LanguageIdOfLocale(UserLocale()), LanguageForm::kTranslations);
}

}  // namespace prefig
