#include "pages/global/general.h"

#include "context/language_code.h"
#include "context/message_file.h"
#include "ini/ini_text.h"
#include "module/module_state.h"
#include "module/services.h"
#include "pages/setup_session.h"
#include "platform/machine_type_extensions.h"
#include "record/prefiguration.h"
#include "schema/general.h"
#include "schema/load_save.h"

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

// The language that the next start will use, as the file holds it.
std::string StoredLanguage(GPrefiguration& record) {
  if (!record.KeyExists(schema::kLanguage.section, schema::kLanguage.key)) return {};
  return NormalizeLanguageCode(
      record.GetString(schema::kLanguage.section, schema::kLanguage.key, std::string_view(), kStoredLanguageMax));
}

}  // namespace

DGlobal::DGlobal() : WPrefigBase(kTitleId, schema::kGeneralPage) {
  using namespace layout;
  HandledInHooks({&schema::kLanguage});
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
// they were found. The one selected is the language that the next start
// will use, so that a change waiting for a restart is not undone by the
// next OK: the stored one when it is installed, else the running one
// (letter case ignored), else the first.
void DGlobal::OnLoad(bool first_time) {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  if (first_time) {
    languages_ = ListLanguages(record->ProgramDirectory());
    language_.RemoveAll();
    for (const LanguageEntry& language : languages_) language_.AddText(language.name);
    auto find = [this](std::string_view code) {
      for (size_t i = 0; i < languages_.size(); ++i) {
        if (ini::SameName(languages_[i].code, code)) return static_cast<int>(i);
      }
      return -1;
    };
    int selected = find(StoredLanguage(*record));
    if (selected < 0) selected = find(record->Language());
    if (selected < 0 && !languages_.empty()) selected = 0;
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
  if (!ini::SameName(code, StoredLanguage(*record))) Module().restart_notice = true;
  record->Global().Values().SetText(schema::kLanguage, code);
  record->Global().Values().Save(*record, schema::kLanguage);
}

void DGlobal::AssociateFileExtensions() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  using schema::kRegisteredExtensionsKey, schema::kRegisteredExtensionsSection;
  std::string current = record->GetString(kRegisteredExtensionsSection, kRegisteredExtensionsKey, std::string_view(),
                                          platform::kCurrentExtensionsMax);
  platform::MachineTypeRegistration done = platform::RegisterMachineTypeExtensions(
      current, ExtensionsToRegister(SetupSession().working_types), false, FileWord());
  // The list is kept even so: it names what the next Associate removes.
  if (done.list) record->WriteString(kRegisteredExtensionsSection, kRegisteredExtensionsKey, *done.list);
  if (!done.ok) {
    GetServices().MessageBox(
        {MessageString(kNotAssociatedId), kErrorCaptionId, MessageIcon::kStop, MessageButtons::kOk, MessageOwner::kDialog});
  }
}

}  // namespace prefig
