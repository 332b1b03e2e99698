#include "platform/file_associations.h"

#include <cstdio>

#include "platform/desktop_integration.h"
#include "platform/file_io.h"
#include "platform/privileges.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace prefig::platform {
namespace {

constexpr std::string_view kMachineClassRoots[] = {"HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes"};
constexpr std::string_view kUserClasses = "HKEY_CURRENT_USER\\Software\\Classes";
constexpr std::string_view kUserFileExts =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
constexpr std::string_view kOpenCommandKey = "\\shell\\open\\command\\";
constexpr std::string_view kDefaultIconKey = "\\DefaultIcon\\";

std::string ProgramOrSelf(std::string_view program) { return program.empty() ? ProgramFile() : std::string(program); }

std::string OpenCommand(std::string_view program) { return "\"" + std::string(program) + "\" \"%1\""; }

std::string IconText(std::string_view program, int icon_index) {
  return std::string(program) + "," + std::to_string(icon_index);
}

std::string Join(std::string_view a, std::string_view b) { return std::string(a) + "\\" + std::string(b); }

bool SameExtension(std::string_view a, std::string_view b) { return SameIgnoringCase(a, b); }

// The extensions registered per user for this identifier, as the registry
// records them.
std::vector<std::string> UserExtensions(std::string_view identifier) {
  std::vector<std::string> found;
  for (const std::string& key : RegistrySubkeys(kUserClasses)) {
    if (key.size() < 2 || key.front() != '.') continue;
    if (ReadRegistryText(Join(kUserClasses, key) + "\\") == identifier) found.push_back(LowerCaseExtension(key));
  }
  return found;
}

bool RegisterMachineWide(const std::vector<std::string>& extensions, std::string_view description,
                         std::string_view program, int icon_index, std::string_view file_word) {
  bool ok = true;
  for (std::string_view root : kMachineClassRoots) {
    for (const std::string& extension : extensions) {
      std::string type =
          description.empty() ? UpperCaseAscii(extension) + " " + std::string(file_word) : std::string(description);
      ok &= WriteRegistryText(Join(root, "." + extension) + "\\", type);
      ok &= WriteRegistryText(Join(root, type) + "\\", type);
      ok &= WriteRegistryText(Join(root, type) + std::string(kDefaultIconKey), IconText(program, icon_index));
      ok &= WriteRegistryText(Join(root, type) + std::string(kOpenCommandKey), OpenCommand(program));
    }
  }
  return ok;
}

// Writes the desktop entry for what the registry now records for the
// identifier, and brings the caches up to date.
bool SyncDesktop(std::string_view identifier, std::string_view program) {
  std::vector<std::string> mime_types;
  for (const std::string& extension : UserExtensions(identifier)) mime_types.push_back(MimeTypeOfExtension(extension));
  bool ok = WriteDesktopEntry(DesktopFileId(identifier), program, FileStemOf(program), mime_types);
  RefreshDesktopDatabases();
  return ok;
}

bool RegisterForUser(const std::vector<std::string>& extensions, std::string_view description, std::string_view program,
                     int icon_index, std::string_view suffix, std::string_view file_word) {
  std::string id = ProgramIdentifier(program, suffix);
  std::string desktop_id = DesktopFileId(id);
  bool ok = WriteRegistryText(Join(kUserClasses, id) + std::string(kOpenCommandKey), OpenCommand(program));
  ok &= WriteRegistryText(Join(kUserClasses, id) + std::string(kDefaultIconKey), IconText(program, icon_index));
  for (const std::string& extension : extensions) {
    std::string dotted = "." + extension;
    std::string file_exts = Join(kUserFileExts, dotted);
    ok &= WriteRegistryText(Join(kUserClasses, dotted) + "\\", id);
    ok &= WriteRegistryText(file_exts + "\\OpenWithList\\a", id);
    ok &= WriteRegistryText(file_exts + "\\OpenWithList\\", id);
    ok &= WriteRegistryNumber(Join(file_exts + "\\OpenWithProgids", id), 0);
    std::string type =
        description.empty() ? UpperCaseAscii(extension) + " " + std::string(file_word) : std::string(description);
    ok &= InstallMimeType(extension, type);
    ok &= AddDefaultApplication(MimeTypeOfExtension(extension), desktop_id);
  }
  return SyncDesktop(id, program) && ok;
}

// Removes a machine-wide extension key and, when no other extension of the
// root uses it any more, the type key it named. An extension whose type
// opens with another program is not ours: it stays.
bool UnregisterMachineWide(std::string_view root, const std::string& extension, std::string_view program) {
  std::string key = Join(root, "." + extension);
  std::optional<std::string> type = ReadRegistryText(key + "\\");
  if (type && !type->empty()) {
    std::optional<std::string> command = ReadRegistryText(Join(root, *type) + std::string(kOpenCommandKey));
    if (command && *command != OpenCommand(program)) return true;
  }
  bool ok = DeleteRegistryTree(key);
  if (!type || type->empty()) return ok;
  for (const std::string& other : RegistrySubkeys(root)) {
    if (other.size() > 1 && other.front() == '.' && ReadRegistryText(Join(root, other) + "\\") == *type) return ok;
  }
  return DeleteRegistryTree(Join(root, *type)) && ok;
}

bool DeleteValueIf(const std::string& path, std::string_view expected) {
  return ReadRegistryText(path) != expected || DeleteRegistryValue(path);
}

bool UnregisterForUser(const std::string& extension, std::string_view id) {
  std::string dotted = "." + extension;
  std::string class_key = Join(kUserClasses, dotted);
  if (ReadRegistryText(class_key + "\\") != id) return true;  // not ours
  std::string file_exts = Join(kUserFileExts, dotted);
  bool ok = DeleteRegistryTree(class_key);
  ok &= DeleteValueIf(file_exts + "\\OpenWithList\\a", id);
  ok &= DeleteValueIf(file_exts + "\\OpenWithList\\", id);
  std::string progid = Join(file_exts + "\\OpenWithProgids", id);
  if (ReadRegistryNumber(progid)) ok &= DeleteRegistryValue(progid);
  ok &= RemoveMimeType(extension);
  ok &= RemoveDefaultApplication(MimeTypeOfExtension(extension), DesktopFileId(id));
  return ok;
}

}  // namespace

std::string ProgramIdentifier(std::string_view program, std::string_view suffix) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "VELMO.%s%.*s.v%d", FileStemOf(program).c_str(), static_cast<int>(suffix.size()),
                suffix.data(), kProgramIdentifierVersion);
  return buffer;
}

std::vector<std::string> SplitExtensions(std::string_view list) {
  std::vector<std::string> out;
  for (std::string& item : SplitCommaItems(list)) {
    if (item.front() == '.') item.erase(0, 1);
    if (!item.empty()) out.push_back(std::move(item));
  }
  return out;
}

bool IsUsableExtension(std::string_view extension) {
  if (extension.empty() || extension.front() == '.' || extension.back() == '.') return false;
  for (char c : extension) {
    bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!plain && std::string_view("_+-~.").find(c) == std::string_view::npos) return false;
  }
  return true;
}

bool RegisterExtensions(std::string_view extensions, std::string_view description, std::string_view program,
                        int icon_index, std::string_view suffix, std::string_view file_word) {
  std::string path = ProgramOrSelf(program);
  bool ok = true;
  std::vector<std::string> usable;
  for (std::string& extension : SplitExtensions(extensions)) {
    if (IsUsableExtension(extension)) {
      usable.push_back(std::move(extension));
    } else {
      ok = false;
    }
  }
  if (usable.empty()) return ok;
  if (IsAdministrator()) ok &= RegisterMachineWide(usable, description, path, icon_index, file_word);
  return RegisterForUser(usable, description, path, icon_index, suffix, file_word) && ok;
}

bool UnregisterExtensions(std::string_view extensions, std::string_view program, std::string_view suffix) {
  std::string path = ProgramOrSelf(program);
  std::string id = ProgramIdentifier(path, suffix);
  bool ok = true, any = false;
  for (const std::string& extension : SplitExtensions(extensions)) {
    if (!IsUsableExtension(extension)) continue;  // never registered
    any = true;
    if (IsAdministrator()) {
      for (std::string_view root : kMachineClassRoots) ok &= UnregisterMachineWide(root, extension, path);
    }
    ok &= UnregisterForUser(extension, id);
  }
  if (!any) return ok;
  std::vector<std::string> left = UserExtensions(id);
  if (left.empty()) ok &= DeleteRegistryTree(Join(kUserClasses, id));
  return SyncDesktop(id, path) && ok;
}

std::vector<std::string> RegisteredExtensions(std::string_view program, std::string_view suffix) {
  std::string path = ProgramOrSelf(program);
  std::vector<std::string> found = UserExtensions(ProgramIdentifier(path, suffix));
  std::string command = OpenCommand(path);
  for (const std::string& key : RegistrySubkeys(kMachineClassRoots[0])) {
    if (key.size() < 2 || key.front() != '.') continue;
    std::optional<std::string> type = ReadRegistryText(Join(kMachineClassRoots[0], key) + "\\");
    if (!type || ReadRegistryText(Join(kMachineClassRoots[0], *type) + std::string(kOpenCommandKey)) != command)
      continue;
    bool seen = false;
    for (const std::string& other : found) seen = seen || SameExtension(other, key.substr(1));
    if (!seen) found.push_back(LowerCaseExtension(key));
  }
  return found;
}

}  // namespace prefig::platform
