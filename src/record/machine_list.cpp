#include "record/machine_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "ini/ini_text.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "schema/machine_general.h"

namespace prefig {
namespace {

namespace fs = std::filesystem;

bool HasExtension(const fs::path& path, std::string_view extension) {
  return ini::SameName(path.extension().string(), extension);
}

bool IsTemplateToCopy(std::string_view file_name) {
  std::string_view list = kTemplateList;
  while (!list.empty()) {
    size_t comma = list.find(',');
    if (ini::SameName(list.substr(0, comma), file_name)) return true;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

// A start goes on without its types folder (the editor still opens); the
// log says why the list stays empty.
void CreateTypesDirectory(const std::string& directory) {
  if (int error = platform::CreateDirectoryPath(directory)) {
    LogLine("TYPES : Cannot create %s: %s", directory.c_str(), std::strerror(error));
  }
}

// Files that the open save is about to create count: the loader may
// complete and copy files in one save.
std::vector<fs::path> FilesWithExtension(const std::string& directory, std::string_view extension) {
  std::vector<fs::path> files;
  for (const std::string& name : platform::FileNamesIn(directory)) {
    fs::path path = fs::path(directory) / name;
    if (HasExtension(path, extension)) files.push_back(path);
  }
  return files;
}

// A message text as a file name: no separators, never empty.
std::string FileNameFromText(std::string_view text) {
  std::string name(ini::Trim(text));
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '_';
  }
  if (name.empty() || name == "." || name == "..") name = kDefaultTypeName;
  return name;
}

}  // namespace

std::string DescriptionWithoutTemplateWord(std::string_view description) {
  size_t word = description.find(kTemplateWord);
  if (word != std::string_view::npos) description = description.substr(0, word);
  return std::string(ini::Trim(description));
}

void GMachineList::Enumerate(const std::string& directory, const TypeContext& context) {
  for (const fs::path& file : FilesWithExtension(directory, kTypeFileExtension)) {
    if (Count() >= kMax) break;
    auto type = std::make_unique<GMachineType>(file.string());
    if (type->Load(context)) types_.push_back(std::move(type));
  }
}

// The copies in TYPES lose the word "Template" from their descriptions;
// the templates themselves stay as shipped (the program directory need not
// be writable, and the add dialog shows their full names).
void GMachineList::CopyTemplates(const MachineListPlaces& places) {
  CreateTypesDirectory(places.types_directory);
  for (const fs::path& source : FilesWithExtension(places.templates_directory, kTemplateExtension)) {
    if (!IsTemplateToCopy(source.filename().string())) continue;
    std::string target = places.types_directory + "/" + source.stem().string() + kNewTypeFileExtension;
    if (platform::FileExists(target)) continue;
    if (platform::CopyFile(source.string(), target, false) != 0) {
      LogLine("TYPES : Could not copy template %s", source.string().c_str());
      continue;
    }
    GIniFile copy;
    copy.Open(target);
    const Setting& description = schema::kDescription;
    std::string shortened = DescriptionWithoutTemplateWord(
        copy.GetString(description.section, description.key, std::string_view(), description.length));
    if (!shortened.empty() && !copy.WriteString(description.section, description.key, shortened)) {
      LogLine("TYPES : Description of %s not shortened: %s", target.c_str(), std::strerror(copy.WriteError()));
    }
  }
}

void GMachineList::CreateDefaultType(const MachineListPlaces& places, const TypeContext& context) {
  std::string name = FileNameFromText(places.default_type_name);
  CreateTypesDirectory(places.types_directory);
  std::string path = places.types_directory + "/" + name + kTypeFileExtension;
  {
    GIniFile file;
    file.Open(path);
    if (!file.WriteString(schema::kDescription.section, schema::kDescription.key, name) ||
        !file.WriteString(schema::kTypeName.section, schema::kTypeName.key, kDefaultTypeName)) {
      LogLine("TYPES : Default type not written to %s: %s", path.c_str(), std::strerror(file.WriteError()));
    }
  }
  auto type = std::make_unique<GMachineType>(path);
  if (type->Load(context)) types_.push_back(std::move(type));
}

// For each position the smallest remaining load order is swapped in (the
// first in the current order among equals); positions then count from 1.
void GMachineList::SortByLoadOrder() {
  std::vector<int> orders;
  for (const auto& type : types_) orders.push_back(type->LoadOrder());
  for (size_t position = 0; position < types_.size(); ++position) {
    size_t smallest = position;
    for (size_t i = position + 1; i < types_.size(); ++i) {
      if (orders[i] < orders[smallest]) smallest = i;
    }
    std::swap(types_[position], types_[smallest]);
    std::swap(orders[position], orders[smallest]);
  }
  for (size_t position = 0; position < types_.size(); ++position) {
    types_[position]->SetLoadOrder(static_cast<int>(position) + 1);
  }
}

std::string GMachineList::NewIdentifier(std::span<GMachineType* const> others) {
  for (;;) {
    // Two 15-bit numbers, as the identifiers always had.
    uint32_t a = random_() & 0x7FFF, b = random_() & 0x7FFF;
    char text[16];
    std::snprintf(text, sizeof text, "%08X", a * b);
    bool used = false;
    for (const auto& type : types_) used = used || ini::SameName(type->Name(), text);
    for (const GMachineType* type : others) used = used || ini::SameName(type->Name(), text);
    if (!used) return text;
  }
}

// A later type with the identifier of an earlier one gets a new identifier,
// one that no type has.
void GMachineList::MakeIdentifiersUnique() {
  std::vector<std::string> names;
  for (const auto& type : types_) names.push_back(type->Name());
  for (size_t i = 0; i < types_.size(); ++i) {
    for (size_t j = i + 1; j < types_.size(); ++j) {
      if (names[j] != names[i]) continue;
      types_[j]->SetName(NewIdentifier());
      names[j] = types_[j]->Name();
    }
  }
}

int GMachineList::Build(const MachineListPlaces& places, const TypeContext& context) {
  types_.clear();
  Enumerate(places.types_directory, context);
  if (types_.empty()) {
    CopyTemplates(places);
    Enumerate(places.types_directory, context);
  }
  if (types_.empty()) CreateDefaultType(places, context);
  SortByLoadOrder();
  MakeIdentifiersUnique();
  SaveChanged();
  return Count();
}

bool GMachineList::SaveChanged() {
  bool written = true;
  for (auto& type : types_) {
    if (type->IsChanged() && !type->Save()) written = false;
  }
  return written;
}

int GMachineList::Find(std::string_view name_or_description) const {
  for (int i = 0; i < Count(); ++i) {
    if (ini::SameName(types_[i]->Name(), name_or_description) ||
        ini::SameName(types_[i]->Description(), name_or_description)) {
      return i;
    }
  }
  return -1;
}

void GMachineList::Adopt(std::unique_ptr<GMachineType> type) {
  if (type != nullptr) types_.push_back(std::move(type));
}

void GMachineList::Arrange(std::span<GMachineType* const> order) {
  std::vector<std::unique_ptr<GMachineType>> arranged;
  for (GMachineType* wanted : order) {
    auto it = std::find_if(types_.begin(), types_.end(), [wanted](const auto& type) { return type.get() == wanted; });
    if (it != types_.end()) arranged.push_back(std::move(*it));
  }
  types_ = std::move(arranged);
}

}  // namespace prefig
