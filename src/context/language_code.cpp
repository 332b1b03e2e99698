#include "context/language_code.h"

#include "ini/ini_text.h"

namespace prefig {
namespace {

struct Legacy {
  const char* code;
  const char* culture;
};

// The two-letter codes of older configurations and their culture names.
constexpr Legacy kLegacyCodes[] = {
    {"cn", "zh-CN"}, {"tw", "zh-TW"}, {"cz", "cs-CZ"}, {"nl", "nl-NL"},  {"dk", "da-DK"}, {"fi", "fi-FI"},
    {"us", "en-US"}, {"fr", "fr-FR"}, {"ee", "et-EE"}, {"de", "de-DE"},  {"jp", "ja-JP"}, {"hu", "hu-HU"},
    {"kr", "ko-KR"}, {"it", "it-IT"}, {"po", "pt-BR"}, {"pl", "pl-PL"},  {"sp", "es-ES"}, {"ro", "ro-RO"},
    {"se", "sv-SE"}, {"ru", "ru-RU"}, {"th", "th-TH"}, {"tc", "zh-CHT"},
};

bool IsAsciiAlnum(char c) { return (c >= '0' && c <= '9') || ini::LowerCaseChar(c) != ini::FoldCase(c); }

}  // namespace

std::string NormalizeLanguageCode(std::string_view code) {
  const std::string lower = ini::LowerCase(code);
  for (const Legacy& legacy : kLegacyCodes) {
    if (lower == legacy.code) return legacy.culture;
  }
  // Culture-name letter case, subtag by subtag after the language.
  std::string result;
  size_t start = 0;
  bool first = true;
  while (start <= lower.size()) {
    size_t end = lower.find_first_of("-_", start);
    if (end == std::string::npos) end = lower.size();
    std::string_view part(lower.data() + start, end - start);
    for (size_t i = 0; i < part.size(); ++i) {
      char c = part[i];
      if (!first && (part.size() == 2 || part.size() == 3 || (part.size() == 4 && i == 0))) c = ini::FoldCase(c);
      result.push_back(c);
    }
    if (end == lower.size()) break;
    result.push_back(lower[end]);
    start = end + 1;
    first = false;
  }
  return result;
}

bool IsUsableLanguageCode(std::string_view code) {
  if (code.empty() || code.size() > kLanguageCodeMax) return false;
  for (char c : code) {
    if (!IsAsciiAlnum(c) && c != '-' && c != '_') return false;
  }
  return true;
}

}  // namespace prefig
