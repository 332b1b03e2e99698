#include "pages/machine/file_extensions.h"

#include <string_view>

#include "store/ini_text.h"

namespace prefig::extensions {
namespace {

bool IsForbidden(char c) {
  auto byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 127 || std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos;
}

std::string_view WithoutDot(std::string_view text) { return text.starts_with('.') ? text.substr(1) : text; }

std::string WithoutForbidden(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsForbidden(c)) kept += c;
  }
  return kept;
}

}  // namespace

std::string CleanDefault(std::string_view text) {
  std::string_view extension = WithoutDot(ini::Trim(text)).substr(0, kLengthMax);
  return WithoutForbidden(ini::Trim(extension));
}

std::string CleanList(std::string_view text) {
  std::string joined;
  size_t kept = 0;
  while (kept < kListMax) {
    size_t comma = text.find(',');
    std::string_view piece = WithoutDot(ini::Trim(text.substr(0, comma)));
    std::string extension = WithoutForbidden(ini::UpperCase(piece).substr(0, kLengthMax));
    if (!extension.empty() && extension != ".") {
      joined += (kept++ == 0 ? "" : ",") + extension;
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return joined;
}

}  // namespace prefig::extensions
