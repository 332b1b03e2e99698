#include "record/type_import.h"

#include <algorithm>
#include <filesystem>

#include "ini/ini_edit.h"
#include "ini/ini_text.h"
#include "ini/stored_key_value.h"
#include "record/five_axis_files.h"
#include "record/machine_list.h"

namespace prefig {
namespace {

// The deepest folder on the way that exists, links followed, lies in the
// configuration folder (or, while that is not made yet, above it).
bool StaysInside(const std::string& folder, const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path existing = fs::path(path).parent_path();
  while (!fs::exists(existing, error) && existing.has_parent_path() && existing != existing.parent_path()) {
    existing = existing.parent_path();
  }
  fs::path real = fs::weakly_canonical(existing, error), base = fs::weakly_canonical(folder, error);
  auto within = [](const fs::path& inner, const fs::path& outer) {
    return std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first == outer.end();
  };
  return within(real, base) || within(base, real);
}

// Why the member has no place in the plan, or null when it took one.
const char* Place(const ArchiveMember& member, const std::vector<PathTable::Entry>& folders, TypeImportPlan& plan) {
  std::string_view name = member.name;
  if (name.starts_with(kArchiveTypeFolder)) {
    std::string_view file = name.substr(kArchiveTypeFolder.size());
    std::string_view extension = kTypeFileExtension;
    if (plan.type || file.find('/') != std::string_view::npos || file.size() <= extension.size() ||
        !ini::SameName(file.substr(file.size() - extension.size()), extension))
      return "is not the one machine type file (type/NAME.MAC)";
    plan.type = &member;
  } else if (name.starts_with(kArchiveFiveAxisFolder)) {
    if (plan.five_axis || name.substr(kArchiveFiveAxisFolder.size()) != kUserFiveAxisFileName)
      return "is not the one 5-axis file";
    plan.five_axis = &member;
  } else if (name.starts_with(kArchiveFilesFolder)) {
    std::string_view rest = name.substr(kArchiveFilesFolder.size());
    size_t slash = rest.find('/');
    std::string key(rest.substr(0, slash));
    auto folder = std::find_if(folders.begin(), folders.end(),
                               [&key](const PathTable::Entry& entry) { return ini::SameName(entry.key, key); });
    if (slash == std::string_view::npos || folder == folders.end() || folder->value.empty())
      return "names no folder of this configuration";
    std::string path = folder->value + std::string(rest.substr(slash));
    if (!StaysInside(folder->value, path)) return "leads out of its folder through a link";
    plan.files.push_back({&member, path});
  } else {
    return "has no place in a configuration";
  }
  return nullptr;
}

}  // namespace

std::optional<TypeImportPlan> PlanTypeImport(const std::vector<ArchiveMember>& members,
                                             const std::vector<PathTable::Entry>& folders, std::string& error) {
  TypeImportPlan plan;
  for (const ArchiveMember& member : members) {
    if (const char* why = Place(member, folders, plan)) {
      error = "member \"" + member.name + "\" " + why;
      return std::nullopt;
    }
  }
  if (!plan.type) {
    error = "it holds no machine type file (type/NAME.MAC)";
    return std::nullopt;
  }
  return plan;
}

std::string ImportedValue(std::string_view text, std::string_view section, std::string_view key) {
  return ini::StoredKeyValue(text, section, key).value_or(std::string());
}

void SetImportedValue(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  ini::ApplyEdit(text, nullptr, ini::EditKind::kSet, section, key, ini::EncodeText(value));
}

}  // namespace prefig
