#include "record/base_directory_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "ini/ini_text.h"
#include "ini/profile_value.h"

namespace prefig {
namespace {

constexpr std::string_view kTypesPrefix = "Types";
constexpr char kVelmoIni[] = "/Cfg/VELMO.INI";
constexpr char kGlobalSection[] = "GLOBAL";
constexpr char kTypesDirKey[] = "TYPESDIR";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string UserName() {
  if (const passwd* entry = ::getpwuid(::geteuid())) return entry->pw_name;
  const char* user = std::getenv("USER");
  return user ? user : "";
}

std::string ComputerName() {
  char name[256] = "";
  ::gethostname(name, sizeof name - 1);
  return name;
}

void ReplaceAll(std::string& text, std::string_view from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// The TYPESDIR folder as an existing directory, or empty.
std::string TypesDirectory(std::string_view base_directory) {
  std::string folder = ReadProfileValue(kGlobalSection, kTypesDirKey, "", std::string(base_directory) + kVelmoIni);
  ReplaceAll(folder, "$USERNAME", UserName());
  ReplaceAll(folder, "$COMPUTERNAME", ComputerName());
  for (char& c : folder) {
    if (c == '\\') c = '/';
  }
  auto trailing = [](char c) { return ini::IsTrimChar(c) || c == ' ' || c == '/' || c == '"'; };
  while (!folder.empty() && trailing(folder.back())) folder.pop_back();
  while (!folder.empty() && (folder.front() == '"' || folder.front() == ' ')) folder.erase(0, 1);
  if (folder.empty()) return {};
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error) ? folder : std::string();
}

}  // namespace

std::string ComposeFromBaseDirectory(std::string_view base_directory, std::string_view relative) {
  std::string_view rest = relative;
  if (!rest.empty() && IsSeparator(rest.front())) rest.remove_prefix(1);
  std::string path;
  if (rest.size() >= kTypesPrefix.size() && ini::SameName(rest.substr(0, kTypesPrefix.size()), kTypesPrefix)) {
    std::string folder = TypesDirectory(base_directory);
    if (!folder.empty()) path = folder + std::string(rest.substr(kTypesPrefix.size()));
  }
  if (path.empty()) path = std::string(base_directory) + "/" + std::string(rest);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path.size() > kComposedPathMax ? std::string() : path;
}

}  // namespace prefig
