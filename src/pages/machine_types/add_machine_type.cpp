#include "pages/machine_types/add_machine_type.h"

#include <algorithm>
#include <filesystem>

#include "context/message_ids.h"
#include "ini/ini_text.h"
#include "ini/profile_value.h"
#include "module/services.h"
#include "pages/machine_types/machine_type_texts.h"
#include "record/machine_list.h"
#include "schema/machine_general.h"

namespace prefig {
namespace {

namespace fs = std::filesystem;

constexpr int kDialogHelpId = 3540;

struct TemplateFile {
  std::string path;
  std::string description;
};

// The templates with a description, by file name. They are only read: the
// program directory need not be writable.
std::vector<TemplateFile> TemplateFiles(const std::string& directory) {
  std::vector<TemplateFile> templates;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    if (!it->is_regular_file(type_error) || !ini::SameName(it->path().extension().string(), kTemplateExtension))
      continue;
    std::string path = it->path().string();
    const Setting& key = schema::kDescription;
    std::string description(ini::Trim(ReadProfileValue(key.section, key.key, {}, path)));
    if (!description.empty()) templates.push_back({path, description.substr(0, key.length)});
  }
  std::sort(templates.begin(), templates.end(),
            [](const TemplateFile& a, const TemplateFile& b) { return a.path < b.path; });
  return templates;
}

}  // namespace

DAddMch::DAddMch(std::span<GMachineType* const> listed, const GMachineType* current,
                 const std::string& templates_directory)
    : FormDialog(kCaptionId, kOkButtonMessageId, kCancelButtonMessageId) {
  using namespace layout;
  description_.SetMaximumLength(kDescriptionMax + 1);
  SetHelpId(kDialogHelpId);
  SetLayout(Form{description_, source_}, description_);

  auto add = [this](const std::string& text, NewTypeSource::Kind kind) -> NewTypeSource& {
    source_.AddText(text, static_cast<intptr_t>(sources_.size()));
    sources_.emplace_back().kind = kind;
    return sources_.back();
  };
  for (GMachineType* type : listed) add(type->Description(), NewTypeSource::Kind::kListedType).listed_type = type;
  std::string mark = MessageString(kTemplateMarkId);
  for (TemplateFile& file : TemplateFiles(templates_directory)) {
    add(file.description + " " + mark, NewTypeSource::Kind::kTemplateFile).template_path = file.path;
  }
  for (int basic_type : kBasicTypesOffered) {
    add(MessageString(kBasicTypeTemplateTextIds[basic_type]), NewTypeSource::Kind::kBasicType).basic_type = basic_type;
  }
  if (current != nullptr) source_.SelectText(current->Description());
}

// The dialog stays open for an empty description (silently) and for one
// that a listed type or a basic type has (with a message).
void DAddMch::Ok() {
  std::string description = description_.Value();
  if (description.empty()) return;
  for (const WComboBox::Entry& entry : source_.Entries()) {
    if (sources_[entry.data].kind == NewTypeSource::Kind::kTemplateFile) continue;
    if (!ini::SameName(ini::Trim(entry.text), description)) continue;
    ShowDuplicateDescription();
    return;
  }
  new_description_ = description;
  chosen_ = source_.Selected() >= 0 ? sources_[source_.SelectedData()] : NewTypeSource{};
  EndDialog(kIdOk);
}

}  // namespace prefig
