#include "pages/machine/file_extensions.h"

#include <string_view>

#include "ini/ini_text.h"

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
  std::vector<std::string> kept;
  for (const std::string& piece : ini::SplitCommaList(text)) {
    if (kept.size() == kListMax) break;
    std::string extension = WithoutForbidden(ini::UpperCase(WithoutDot(piece)).substr(0, kLengthMax));
    if (!extension.empty() && extension != ".") kept.push_back(std::move(extension));
  }
  return ini::JoinCommaList(kept);
}

}  // namespace prefig::extensions
