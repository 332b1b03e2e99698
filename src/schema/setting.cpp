#include "schema/setting.h"

#include <cstdio>

namespace prefig {

std::string KeyName(const Setting& s, int member) {
  if (s.count <= 1) return s.key;
  char key[64];
  std::snprintf(key, sizeof key, s.key, s.first + member);
  return key;
}

std::string FontKeyName(const Setting& s, std::string_view field) {
  std::string key = s.key;
  size_t star = key.find('*');
  if (star != std::string::npos) key.replace(star, 1, field);
  return key;
}

}  // namespace prefig
