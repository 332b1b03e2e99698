#pragma once
#include <array>
#include <string_view>

namespace prefig {

// The names of the four basic types, by basic type: in the add dialog's
// template list, and in the second column of the machine type list.
inline constexpr std::array<int, 4> kBasicTypeTemplateTextIds{3528, 3529, 3531, 3530};
inline constexpr std::array<int, 4> kBasicTypeColumnTextIds{3532, 3533, 3535, 3534};
// The order in which the add dialog offers them.
inline constexpr std::array<int, 4> kBasicTypesOffered{0, 1, 3, 2};

// The description field of the add and rename dialogs: its label and the
// longest description it takes.
inline constexpr int kDescriptionLabelId = 3537;
inline constexpr size_t kDescriptionMax = 128;

// The error that another type has the description already.
void ShowDuplicateDescription();
// The error that a machine type file could not be made or moved.
void ShowTypeFileError(std::string_view path);

}  // namespace prefig
