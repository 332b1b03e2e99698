#pragma once
#include <string>
#include <string_view>

namespace prefig {

// A language code is a culture name such as "de-DE": at most 10 characters
// (the record keeps it in 11 bytes).
inline constexpr size_t kLanguageCodeMax = 10;
inline constexpr const char* kEnglishLanguage = "en-US";

// The one normalisation of language codes, used wherever a code is read:
// the code is lower-cased and a two-letter legacy code ("de", "us", "po",
// ...) becomes its culture name. Any other code keeps its letters in the
// usual culture-name form: the language lower case, a region of two or
// three characters upper case ("de-de" becomes "de-DE", "zh-cht"
// "zh-CHT"), a four-letter script in title case, so that it names the same
// message file on a file system that tells cases apart.
std::string NormalizeLanguageCode(std::string_view code);

// Whether a code can be put into a file name ("msg_%s.bin") as it is:
// letters, digits, '-' and '_' only, 1 to 10 of them. Anything else (a
// slash, "..") never names a file of ours.
bool IsUsableLanguageCode(std::string_view code);

}  // namespace prefig
