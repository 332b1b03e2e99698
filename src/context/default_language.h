#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace prefig {

// The user's language, from the POSIX locale (the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty), mapped first to the
// platform language identifier of the editor's other platform (0x0407 for
// de_DE, 0x0416 for pt_BR, ...) and then, by the identifier, to the code of
// a message file.
enum class LanguageForm {
  kMessages,      // the message files: Portuguese is "pt-PT"
  kTranslations,  // the translation files: Portuguese is "pt-BR"
};

// The identifier of a locale name such as "pt_BR.UTF-8" or "de"; 0 for
// "C", "POSIX" and languages that no message file covers.
uint16_t LanguageIdOfLocale(std::string_view locale);
std::string UserLocale();

// The language code for an identifier. `american`, when given, tells
// whether the identifier is one of the American locales (English of the
// United States, Canada, Jamaica and the Caribbean, Canadian French and the
// Spanish of the Americas): those default to inches.
std::string LanguageOfId(uint16_t id, LanguageForm form, bool* american = nullptr);

// Both for the user's locale.
std::string DefaultLanguage(bool* american = nullptr);
std::string DefaultTranslationLanguage();

}  // namespace prefig
