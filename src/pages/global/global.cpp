#include "pages/global/global.h"

#include "context/language_code.h"
#include "entry/module_state.h"
#include "platform/machine_type_extensions.h"
#include "store/ini_text.h"
#include "store/prefiguration.h"
#include "store/schema/load_save.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1002;
constexpr int kGroupId = 1058;
constexpr size_t kStoredLanguageMax = 255;

// What each machine type asks to have registered: its default extension
// and its other ones, where it marks them.
std::vector<platform::MachineTypeExtensions> ExtensionsToRegister(const std::vector<GMachineType*>& types) {
  std::vector<platform::MachineTypeExtensions> wanted;
  for (const GMachineType* type : types) {
    platform::MachineTypeExtensions entry{type->Description(), {}};
    const SettingValues& values = type->Values();
    if (values.Bool(schema::kRegDefaultExt)) entry.extensions.push_back(values.Text(schema::kSaveExt));
    if (values.Bool(schema::kRegOtherExt)) {
      for (const std::string& extension : values.List(schema::kLoadExt)) entry.extensions.push_back(extension);
    }
    wanted.push_back(std::move(entry));
  }
  return wanted;
}

}  // namespace

DGlobal::DGlobal() : WPrefigBase(kTitleId) {
  using namespace layout;
  EnableWhen(exit_minutes_, exit_when_inactive_);
  SetLayout(Column{
      Group{kGroupId,
            {Row{Column{warning_beep_, start_maximized_, reopen_files_, remember_window_, open_maximized_,
                        remember_cursor_, confirm_exit_, open_multiple_, path_in_title_},
                 Column{protect_read_only_, force_read_only_, wrapped_read_only_, check_modified_, check_conflicts_,
                        keep_backup_, specify_name_, show_all_files_, hide_formula_results_, hide_download_link_}}}},
      Row{Form{line_feeds_, tab_width_, recent_list_, size_unit_},
          Form{language_, Row{window_size_, percent_}, exit_when_inactive_, exit_minutes_}},
      Row{associate_, Stretch{}},
      Stretch{},
  });
}

// The languages are those whose message files are installed, in the order
// they were found; the record's language is selected (letter case ignored),
// else the first.
void DGlobal::OnLoad(bool first_time) {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  if (first_time) {
    languages_ = ListLanguages(record->ProgramDirectory());
    language_.RemoveAll();
    for (const LanguageEntry& language : languages_) language_.AddText(language.name);
    int selected = languages_.empty() ? -1 : 0;
    for (size_t i = 0; i < languages_.size(); ++i) {
      if (ini::SameName(languages_[i].code, record->Language())) {
        selected = static_cast<int>(i);
        break;
      }
    }
    language_.Select(selected);
  }
  // Read for the host on every load: a missing or unusable value is repaired in the file.
  ReadSetting(*record, schema::kThemeNo, 0, DefaultText(schema::kThemeNo, record->SettingsContext()));
}

// A new language takes effect when the editor starts next; the record's
// language stays. Without installed languages the stored one is kept.
void DGlobal::OnSave() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  record->Host().text_metrics = 0;
  if (language_.Selected() < 0 || languages_.empty()) return;
  const std::string& code = languages_[language_.Selected()].code;
  std::string stored = NormalizeLanguageCode(
      record->GetString(schema::kLanguage.section, schema::kLanguage.key, std::string_view(), kStoredLanguageMax));
  if (!ini::SameName(code, stored)) Module().restart_notice = true;
  record->Global().Values().SetText(schema::kLanguage, code);
  record->Global().Values().Save(*record, schema::kLanguage);
}

void DGlobal::AssociateFileExtensions() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  platform::RegisterMachineTypeExtensions(*record, ExtensionsToRegister(Module().working_types), false);
}

}  // namespace prefig
