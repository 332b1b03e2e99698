#pragma once
#include <span>
#include <string>
#include <vector>

#include "controls/combo_box.h"
#include "controls/edit.h"
#include "pages/form_dialog.h"
#include "pages/machine_types/machine_type_texts.h"

namespace prefig {

class GMachineType;

// What a new machine type starts from.
struct NewTypeSource {
  enum class Kind { kBasicType, kTemplateFile, kListedType };
  Kind kind = Kind::kBasicType;
  int basic_type = 0;                   // kBasicType: an empty file of this basic type
  std::string template_path;            // kTemplateFile: a copy of this template
  GMachineType* listed_type = nullptr;  // kListedType: a copy of this type's file
};

// The add dialog: the description of a new machine type and what it starts
// from, a listed type, a template of the program's Templates folder or an
// empty type of a basic type. A description that a listed type or a basic
// type already has is refused (a template's is not).
class DAddMch : public FormDialog {
 public:
  static constexpr int kCaptionId = 3536;
  static constexpr int kTemplateLabelId = 3538;
  static constexpr int kTemplateMarkId = 1270;

  // `listed` in list order; `current` is selected as the source;
  // `templates_directory` holds the *.typ templates.
  DAddMch(std::span<GMachineType* const> listed, const GMachineType* current, const std::string& templates_directory);

  WEdit& Description() { return description_; }
  WComboBox& Source() { return source_; }
  void Ok() override;

  // After OK: the trimmed description and the chosen source.
  const std::string& NewDescription() const { return new_description_; }
  const NewTypeSource& Chosen() const { return chosen_; }

 private:
  WEdit description_{this, kDescriptionLabelId, Help{3541}};
  WComboBox source_{this, kTemplateLabelId, Help{3542}};
  std::vector<NewTypeSource> sources_;  // by the entries' item data
  std::string new_description_;
  NewTypeSource chosen_;
};

}  // namespace prefig
