#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "context/path_table.h"
#include "record/type_archive.h"

namespace prefig {

// Where each member of a machine type archive goes on import: the one type
// file, the one 5-axis file, and files of the configuration's folders.
struct TypeImportPlan {
  const ArchiveMember* type = nullptr;
  const ArchiveMember* five_axis = nullptr;
  struct Carried {
    const ArchiveMember* member;
    std::string path;  // where it goes
  };
  std::vector<Carried> files;
};

// The plan for `members` given the configuration's folders (KEY and
// resolved path); nothing, with `error` saying which member has no place,
// when any member has none or a link on its way leads out of its folder.
std::optional<TypeImportPlan> PlanTypeImport(const std::vector<ArchiveMember>& members,
                                             const std::vector<PathTable::Entry>& folders, std::string& error);

// A value of the imported type's file text, as a read gives it; empty when
// the text lacks the key.
std::string ImportedValue(std::string_view text, std::string_view section, std::string_view key);
// Sets a value in the imported type's file text, as the store writes it.
void SetImportedValue(std::string& text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace prefig
