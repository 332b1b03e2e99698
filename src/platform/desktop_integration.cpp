#include "platform/desktop_integration.h"

#include <unistd.h>

#include <cerrno>

#include "platform/environment.h"
#include "platform/file_io.h"
#include "platform/key_file.h"
#include "platform/run_program.h"
#include "platform/text.h"

namespace prefig::platform {
namespace {

constexpr std::string_view kMimePrefix = "text/x-velmo-";
constexpr std::string_view kMimePackagePrefix = "velmo-";
constexpr std::string_view kDefaultsGroup = "Default Applications";
constexpr std::string_view kAddedGroup = "Added Associations";
// Above the usual 50, so that an extension another type also claims (".nc"
// is netCDF too) opens with the program the user registered.
constexpr int kGlobWeight = 60;

bool IsPlainChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A desktop entry string value: the escapes of the standard.
std::string EntryString(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

bool Write(const std::string& path, std::string_view text) {
  if (CreateDirectoryPath(DirectoryOf(path)) != 0) return false;
  return ReplaceFile(path, text) == 0;
}

bool Remove(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

template <typename Edit>
bool EditMimeApps(Edit edit) {
  std::string path = MimeAppsFile();
  DirectoryLock lock(path);
  std::string text;
  ReadStatus status = ReadWholeFile(path, text);
  if (status != ReadStatus::kOk && status != ReadStatus::kMissing) return false;
  if (!edit(text)) return true;
  // Emptied by taking our lines out: the file was ours alone.
  return text.empty() ? Remove(path) : Write(path, text);
}

// Puts the entry first in a list value, or takes it out; false when that
// changes nothing.
bool PutFirst(std::string& text, std::string_view group, std::string_view mime_type, std::string_view desktop_id) {
  std::vector<std::string> items{std::string(desktop_id)};
  for (std::string& item : key_file::SplitList(key_file::Value(text, group, mime_type).value_or(""))) {
    if (item != desktop_id) items.push_back(std::move(item));
  }
  return key_file::SetValue(text, group, mime_type, key_file::JoinList(items));
}

bool TakeOut(std::string& text, std::string_view group, std::string_view mime_type, std::string_view desktop_id) {
  auto value = key_file::Value(text, group, mime_type);
  if (!value) return false;
  std::vector<std::string> items = key_file::SplitList(*value), kept;
  for (std::string& item : items) {
    if (item != desktop_id) kept.push_back(std::move(item));
  }
  if (kept.size() == items.size()) return false;
  if (kept.empty()) return key_file::RemoveValue(text, group, mime_type);
  return key_file::SetValue(text, group, mime_type, key_file::JoinList(kept));
}

}  // namespace

std::string LowerCaseExtension(std::string_view extension) {
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  return LowerCaseAscii(extension);
}

std::string MimeTypeOfExtension(std::string_view extension) {
  std::string out(kMimePrefix);
  for (char c : LowerCaseExtension(extension)) out += IsPlainChar(c) || c == '.' || c == '+' ? c : '_';
  return out;
}

std::string DesktopFileId(std::string_view identifier) {
  std::string out;
  for (char c : identifier) out += IsPlainChar(c) || c == '.' ? c : '_';
  return out + ".desktop";
}

std::string DesktopEntryFile(std::string_view desktop_id) {
  return UserDataDirectory() + "/applications/" + std::string(desktop_id);
}

std::string MimePackageFile(std::string_view extension) {
  std::string name(kMimePackagePrefix);
  for (char c : LowerCaseExtension(extension)) name += IsPlainChar(c) || c == '.' || c == '+' ? c : '_';
  return UserDataDirectory() + "/mime/packages/" + name + ".xml";
}

std::string MimeAppsFile() { return UserConfigDirectory() + "/mimeapps.list"; }

std::string ExecProgramText(std::string_view program) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  constexpr std::string_view kEscapedInQuotes = "\"`$\\";
  if (program.find_first_of("\n\r") != std::string_view::npos) return {};
  std::string quoted;
  bool needs_quotes = program.find_first_of(kReserved) != std::string_view::npos;
  for (char c : program) {
    if (needs_quotes && kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
    quoted += c;
    if (c == '%') quoted += '%';  // a literal percent sign is not a field code
  }
  // The string escapes apply on top of the quoting: a backslash doubles.
  return needs_quotes ? "\"" + EntryString(quoted) + "\"" : EntryString(quoted);
}

bool WriteDesktopEntry(std::string_view desktop_id, std::string_view program, std::string_view name,
                       const std::vector<std::string>& mime_types) {
  std::string path = DesktopEntryFile(desktop_id);
  if (mime_types.empty()) return Remove(path);
  std::string exec = ExecProgramText(program);
  if (exec.empty()) return false;
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=" +
      EntryString(name) +
      "\n"
      "Exec=" +
      exec +
      " %f\n"
      "MimeType=" +
      key_file::JoinList(mime_types) +
      "\n"
      "NoDisplay=true\n"
      "Terminal=false\n";
  return Write(path, text);
}

bool InstallMimeType(std::string_view extension, std::string_view description) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"" +
      XmlEscaped(MimeTypeOfExtension(extension)) +
      "\">\n"
      "    <comment>" +
      XmlEscaped(description) +
      "</comment>\n"
      "    <sub-class-of type=\"text/plain\"/>\n"
      "    <glob pattern=\"*." +
      XmlEscaped(LowerCaseExtension(extension)) + "\" weight=\"" + std::to_string(kGlobWeight) +
      "\"/>\n"
      "  </mime-type>\n"
      "</mime-info>\n";
  return Write(MimePackageFile(extension), text);
}

bool RemoveMimeType(std::string_view extension) { return Remove(MimePackageFile(extension)); }

bool AddDefaultApplication(std::string_view mime_type, std::string_view desktop_id) {
  return EditMimeApps([&](std::string& text) {
    bool changed = PutFirst(text, kDefaultsGroup, mime_type, desktop_id);
    return PutFirst(text, kAddedGroup, mime_type, desktop_id) || changed;
  });
}

bool RemoveDefaultApplication(std::string_view mime_type, std::string_view desktop_id) {
  return EditMimeApps([&](std::string& text) {
    bool changed = TakeOut(text, kDefaultsGroup, mime_type, desktop_id);
    return TakeOut(text, kAddedGroup, mime_type, desktop_id) || changed;
  });
}

void RefreshDesktopDatabases() {
  std::string data = UserDataDirectory();
  if (FileExists(data + "/mime/packages") && !FindProgram("update-mime-database").empty()) {
    RunProgram("update-mime-database", {data + "/mime"}, {.wait = true});
  }
  if (FileExists(data + "/applications") && !FindProgram("update-desktop-database").empty()) {
    RunProgram("update-desktop-database", {data + "/applications"}, {.wait = true});
  }
}

}  // namespace prefig::platform
