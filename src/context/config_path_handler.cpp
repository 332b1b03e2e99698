#include "context/config_path_handler.h"

#include <cerrno>
#include <cstdlib>

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
  for (int pass = 0; pass < kResolvePasses; ++pass) {
    bool replaced = false;
    for (const PathTable::Entry& reference : table_) {
      std::string token = "%" + reference.key + "%";
      for (PathTable::Entry& entry : table_) {
        if (entry.value.find('%') == std::string::npos) continue;
        std::string with = reference.value;  // may be this very value
        replaced |= ReplaceFirst(entry.value, token, with);
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
