#include "context/config_path_handler.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <vector>

#include "context/config_path_keys.h"
#include "context/config_paths_file.h"
#include "ini/ini_text.h"
#include "platform/environment.h"
#include "platform/file_io.h"
#include "platform/process.h"

namespace prefig {
namespace {

constexpr std::string_view kExeDirToken = "%EXEDIR%";
constexpr std::string_view kVendorDirToken = "%VENDORDIR%";
constexpr std::string_view kProductDirToken = "%PRODUCTDIR%";
constexpr std::string_view kRootDirStart = kExeDirToken;

std::string OverrideOr(const char* variable, std::string_view fallback) {
  const char* value = std::getenv(variable);
  if (value == nullptr || value[0] == '\0') return std::string(fallback);
  return std::string(value).substr(0, GConfigPathHandler::kOverrideMax);
}

void HoldTail(std::string& value) {
  if (value.size() > GConfigPathHandler::kValueMax) value.erase(0, value.size() - GConfigPathHandler::kValueMax);
}

bool ReplaceFirst(std::string& value, std::string_view token, const std::string& with) {
  size_t pos = value.find(token);
  if (pos == std::string::npos) return false;
  value.replace(pos, token.size(), with);
  HoldTail(value);
  return true;
}

// The names between consecutive '%' of a value, hashed and sorted.
// "%KEY%" can stand in a value only where KEY lies between two consecutive
// '%' (for a KEY without '%'), so a value whose list lacks KEY's hash need
// not be searched: resolving a file of many keys went from the square of
// the keys times the length of the values to little more than the square.
std::vector<size_t> NamesBetweenPercents(std::string_view value) {
  std::vector<size_t> names;
  for (size_t open = value.find('%'), close; open != std::string_view::npos; open = close) {
    close = value.find('%', open + 1);
    if (close == std::string_view::npos) break;
    names.push_back(std::hash<std::string_view>{}(value.substr(open + 1, close - open - 1)));
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; }

// The absolute form of a program file, its directory without links.
std::string LongForm(const std::string& file) {
  std::string absolute = platform::AbsolutePath(file);
  char* dir = ::realpath(platform::DirectoryOf(absolute).c_str(), nullptr);
  if (dir == nullptr) return absolute;
  std::string result = std::string(dir) + "/" + platform::FileNameOf(absolute);
  std::free(dir);
  return result.starts_with("//") ? result.substr(1) : result;
}

}  // namespace

GConfigPathHandler::GConfigPathHandler() { Reload(); }

GConfigPathHandler::GConfigPathHandler(std::string program_file) : requested_program_(std::move(program_file)) {
  Reload();
}

GConfigPathHandler::~GConfigPathHandler() = default;

void GConfigPathHandler::SetProgramFile(std::string program_file) {
  requested_program_ = std::move(program_file);
  Reload();
}

void GConfigPathHandler::Reload() {
  program_file_ = requested_program_.empty() ? platform::ProgramFile() : LongForm(requested_program_);
  program_dir_ = platform::DirectoryOf(program_file_);
  vendor_dir_ = OverrideOr(kVendorOverride, kDefaultVendor);
  product_dir_ = OverrideOr(kProductOverride, platform::FileStemOf(program_file_) + std::string(kProductSuffix));
  table_.Clear();
  table_.Set(kRootDirKey, kRootDirStart);
  ReadPathsFile(table_);
  Resolve();
}

// The built-in directories first, then the keys of the table in up to 100
// passes (a pass that replaces nothing ends them; a key that names itself
// stops at the limit), then the environment.
void GConfigPathHandler::Resolve() {
  for (PathTable::Entry& entry : table_) {
    ReplaceFirst(entry.value, kVendorDirToken, vendor_dir_);
    ReplaceFirst(entry.value, kProductDirToken, product_dir_);
    ReplaceFirst(entry.value, kExeDirToken, program_dir_);
  }
  std::vector<std::vector<size_t>> names;
  for (const PathTable::Entry& entry : table_) names.push_back(NamesBetweenPercents(entry.value));
  for (int pass = 0; pass < kResolvePasses; ++pass) {
    bool replaced = false;
    for (const PathTable::Entry& reference : table_) {
      std::string token = "%" + reference.key + "%";
      bool sure = reference.key.find('%') == std::string::npos;
      size_t name = std::hash<std::string_view>{}(reference.key);
      size_t i = 0;
      for (auto entry = table_.begin(); entry != table_.end(); ++entry, ++i) {
        if (sure && !std::binary_search(names[i].begin(), names[i].end(), name)) continue;
        std::string with = reference.value;  // may be this very value
        if (!ReplaceFirst(entry->value, token, with)) continue;
        names[i] = NamesBetweenPercents(entry->value);
        replaced = true;
      }
    }
    if (!replaced) break;
  }
  for (PathTable::Entry& entry : table_) {
    if (auto expanded = platform::ExpandEnvironment(entry.value, kExpandedMax)) entry.value = std::move(*expanded);
  }
}

std::string GConfigPathHandler::GetPath(std::string_view key, std::string_view file, bool create) const {
  std::string upper = ini::UpperCase(key);
  std::string path;
  if (const std::string* value = table_.Find(upper)) {
    path = *value;
  } else if (const std::string* root = table_.Find(kRootDirKey)) {
    path = *root + "/" + upper;
  } else {
    path = program_dir_ + "/" + upper;
  }
  path = NormalisePath(path);
  if (create && !path.empty()) platform::CreateDirectoryPath(path);
  if (!file.empty() && !path.empty()) {
    std::string name(file);
    for (char& c : name) c = c == '\\' ? '/' : c;
    path += (path.back() == '/' ? "" : "/") + name;
  }
  return path;
}

bool GConfigPathHandler::ReadPathsFile(PathTable& table, std::string_view dir) const {
  std::string file = (dir.empty() ? program_dir_ : std::string(dir)) + "/" + std::string(kConfigPathsFileName);
  std::string text;
  if (platform::ReadWholeFile(file, text, platform::kFileRetryWaitsMs) != platform::ReadStatus::kOk) return false;
  ParsePathsText(text, table);
  return true;
}

int GConfigPathHandler::WritePathsFile(const PathTable& table, const std::string& file) {
  std::optional<std::string> text = FormatPathsText(table);
  return text ? platform::ReplaceFile(file, *text, platform::kFileRetryWaitsMs) : EINVAL;
}

std::string GConfigPathHandler::NormalisePath(std::string_view path) {
  std::string text(path);
  for (char& c : text) c = c == '\\' ? '/' : c;
  size_t begin = 0, end = text.size();
  while (begin < end && (IsControlOrBlank(text[begin]) || text[begin] == '"')) ++begin;
  bool rooted = begin < end && text[begin] == '/';
  while (end > begin && (IsControlOrBlank(text[end - 1]) || text[end - 1] == '"' || text[end - 1] == '/')) --end;
  std::string out;
  for (size_t i = begin; i < end; ++i) {
    bool network_start = i == begin + 1 && text[begin] == '/' && text[i] == '/';
    if (text[i] == '/' && !out.empty() && out.back() == '/' && !network_start) continue;
    out += text[i];
  }
  // Cutting the separators off the root would leave a relative path.
  if (out.empty() && rooted) out = "/";
  return out;
}

std::string GConfigPathHandler::PathsFile() const { return program_dir_ + "/" + std::string(kConfigPathsFileName); }

GConfigPathHandler& ConfigPaths() {
  static GConfigPathHandler handler;
  return handler;
}

}  // namespace prefig
