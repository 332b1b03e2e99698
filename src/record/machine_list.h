#pragma once
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "record/machine_type.h"
#include "record/program_folders.h"

namespace prefig {

// The fixed list of templates that a first start copies, by file name.
inline constexpr char kTemplateList[] =
    "HEIDENHAIN.TYP,ISO Lathe.TYP,ISO Mill.TYP,TEXTFILE.TYP,Haas Lathe.TYP,Haas Milling.TYP,Formulas.TYP";
inline constexpr char kTemplateExtension[] = ".typ";
// The list finds type files by kTypeFileExtension in any letter case; the
// default type of an empty list is written with it, template copies and the
// types the list page makes with kNewTypeFileExtension.
inline constexpr char kTypeFileExtension[] = ".mac";
inline constexpr char kNewTypeFileExtension[] = ".MAC";
// The word that ends a template's description; the copies drop it.
inline constexpr char kTemplateWord[] = "Template";
// The identifier of the default type that an empty list gets.
inline constexpr char kDefaultTypeName[] = "Text";

// Where the list comes from.
struct MachineListPlaces {
  std::string types_directory;      // TYPES
  std::string templates_directory;  // Templates beside the program
  std::string default_type_name;    // the message table's name for the default type
};

// The machine types of the configuration, in load order, at most 256.
class GMachineList {
 public:
  static constexpr int kMax = 256;

  // Builds the list: every valid *.mac of TYPES; on a first start (none
  // found) the templates copied and read; when still none, one default type.
  // Then sorted by LOADORDER and renumbered 1, 2, ..., identifiers made
  // unique, and every type that changed saved. Returns the number of types.
  int Build(const MachineListPlaces& places, const TypeContext& context);
  bool SaveChanged();  // false when a type's file could not be written

  int Count() const { return static_cast<int>(types_.size()); }
  GMachineType& At(int position) { return *types_.at(position); }
  const GMachineType& At(int position) const { return *types_.at(position); }
  // The position of the type with this identifier or description (letter
  // case ignored), or -1.
  int Find(std::string_view name_or_description) const;
  void Clear() { types_.clear(); }

  // Takes a type made elsewhere (the setup dialog's new types) at the end.
  void Adopt(std::unique_ptr<GMachineType> type);
  // Keeps the types of `order` in that order and releases the others, as a
  // host does with the list that the setup dialog hands back.
  void Arrange(std::span<GMachineType* const> order);

  // A new identifier: eight upper-case hexadecimal digits that no type of
  // the list, nor of `others`, has (letter case ignored).
  std::string NewIdentifier(std::span<GMachineType* const> others = {});

 private:
  void Enumerate(const std::string& directory, const TypeContext& context);
  void CopyTemplates(const MachineListPlaces& places);
  void CreateDefaultType(const MachineListPlaces& places, const TypeContext& context);
  void SortByLoadOrder();
  void MakeIdentifiersUnique();

  std::vector<std::unique_ptr<GMachineType>> types_;
  std::minstd_rand random_{std::random_device{}()};
};

// A template's description without the word "Template" and what follows,
// trimmed; empty when nothing remains.
std::string DescriptionWithoutTemplateWord(std::string_view description);

}  // namespace prefig
