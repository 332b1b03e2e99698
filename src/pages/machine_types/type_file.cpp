#include "pages/machine_types/type_file.h"

#include <filesystem>

#include "ini/ini_text.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "record/machine_list.h"
#include "schema/machine_general.h"
#include "schema/quiver.h"

namespace prefig::type_file {
namespace {

namespace fs = std::filesystem;

bool IsOwnFile(const std::string& path, const std::string& own) {
  std::error_code error;
  return !own.empty() && fs::equivalent(path, own, error);
}

}  // namespace

std::string PathFor(const std::string& types_directory, std::string_view description, std::string_view fallback,
                    const std::string& own) {
  std::string name(ini::Trim(platform::CleanFileName(description)));
  if (name.empty() || name.find_first_not_of('.') == std::string::npos) name = fallback;
  std::string path = types_directory + "/" + name + kNewTypeFileExtension;
  for (int number = 2; platform::FileExists(path) && !IsOwnFile(path, own); ++number) {
    path = types_directory + "/" + name + " (" + std::to_string(number) + ")" + kNewTypeFileExtension;
  }
  return path;
}

std::unique_ptr<GMachineType> Create(const NewTypeSource& source, const std::string& path, std::string_view description,
                                     std::string_view identifier, const TypeContext& context) {
  using Kind = NewTypeSource::Kind;
  std::string copy_from;
  if (source.kind == Kind::kTemplateFile) copy_from = source.template_path;
  if (source.kind == Kind::kListedType && source.listed_type != nullptr) {
    // A copy of the file as it was would miss what the dialog changed.
    source.listed_type->Ini().ClearWriteError();
    if (!source.listed_type->Save() || !source.listed_type->Ini().Flush()) {
      LogLine("TYPES : Could not save %s to copy it (%d)", source.listed_type->Path().c_str(),
              source.listed_type->Ini().WriteError());
      return nullptr;
    }
    copy_from = source.listed_type->Path();
  }
  if (!copy_from.empty()) {
    if (int error = platform::CopyFile(copy_from, path, true)) {
      LogLine("TYPES : Could not copy %s to %s (%d)", copy_from.c_str(), path.c_str(), error);
      return nullptr;
    }
  } else if (int error = platform::CreateDirectoryPath(platform::DirectoryOf(path))) {
    LogLine("TYPES : Could not create the folder of %s (%d)", path.c_str(), error);
    return nullptr;
  }
  {
    using namespace schema;
    GIniFile file;
    bool was_cached = file.SetCached(true);
    file.Open(path);
    if (source.kind == Kind::kBasicType) {
      file.WriteInt(kBasicType.section, kBasicType.key, source.basic_type);
    } else {
      file.GetInt(kBasicType.section, kBasicType.key, 0, static_cast<int>(kBasicType.min),
                  static_cast<int>(kBasicType.max));
    }
    file.WriteString(kDescription.section, kDescription.key, description);
    file.WriteString(kQuiverGroups.section, kQuiverGroups.key, "");
    file.WriteBool(kQuiverStore.section, kQuiverStore.key, false);
    file.WriteInt(kQuiverId.section, kQuiverId.key, 0);
    file.WriteString(kTypeName.section, kTypeName.key, identifier);
    file.SetCached(was_cached);
    // A copy that kept the source's identity would be a second of that type.
    if (int error = file.WriteError()) {
      LogLine("TYPES : Could not write %s (%d)", path.c_str(), error);
      platform::RemoveFile(path);
      return nullptr;
    }
  }
  auto type = std::make_unique<GMachineType>(path);
  if (!type->Load(context)) {
    LogLine("TYPES : Could not make %s", path.c_str());
    platform::RemoveFile(path);
    return nullptr;
  }
  type->SetChanged();
  return type;
}

// A read-only file is made writable first, so that the type can be saved
// where it now lies.
bool Move(GMachineType& type, const std::string& path) {
  if (path == type.Path()) return true;
  type.Ini().Flush();
  platform::MakeOwnerWritable(type.Path());
  int error = platform::MoveFile(type.Path(), path);
  if (error != 0 && platform::CreateDirectoryPath(platform::DirectoryOf(path)) == 0) {
    error = platform::MoveFile(type.Path(), path);
  }
  if (error != 0) {
    LogLine("TYPES : Could not move %s to %s (%d)", type.Path().c_str(), path.c_str(), error);
    return false;
  }
  type.FileMoved(path);
  return true;
}

}  // namespace prefig::type_file
