#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "pages/machine_types/add_machine_type.h"
#include "record/machine_type.h"

// The files that the machine type list makes and moves in TYPES.
namespace prefig::type_file {

// Where a type described so gets its file: the description as the file
// name, cleaned by the platform's rule (so that no description leads out of
// `types_directory`), or `fallback` when nothing is left, with ".MAC". A
// file that exists is never taken over: " (2)", " (3)", ... is added to the
// name until it is free, unless the file is `own` (a type keeping its file).
std::string PathFor(const std::string& types_directory, std::string_view description, std::string_view fallback,
                    const std::string& own = {});

// Makes a new machine type at the free `path`: an empty file or a copy of
// the source's (a listed type is saved first), with the basic type when one
// was chosen, the description, the identifier and no database storage; then
// loads it, marked modified. Null when the file cannot be made.
std::unique_ptr<GMachineType> Create(const NewTypeSource& source, const std::string& path, std::string_view description,
                                     std::string_view identifier, const TypeContext& context);

// Moves a type's file to `path` and attaches the type to it; false, with
// the type as it was, when the file cannot be moved.
bool Move(GMachineType& type, const std::string& path);

}  // namespace prefig::type_file
