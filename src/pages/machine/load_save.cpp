#include "pages/machine/load_save.h"

#include <cstring>

#include "context/config_path_handler.h"
#include "module/plugin_abi.h"
#include "module/plugin_loader.h"
#include "pages/machine/file_extensions.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1011;
constexpr int kLoadSaveGroupId = 1491;
constexpr int kAutosaveGroupId = 1494;
constexpr int kUnicodeGroupId = 1501;

}  // namespace

DMchFile::DMchFile() : WMachinePage(kTitleId, schema::kLoadSavePage) {
  using namespace layout;
  other_extensions_.SetListSeparator(",");
  default_extension_.SetSaveRule(&extensions::CleanDefault);
  other_extensions_.SetSaveRule(&extensions::CleanList);
  load_path_.SetSaveRule(&GConfigPathHandler::NormalisePath);
  save_path_.SetSaveRule(&GConfigPathHandler::NormalisePath);
  EnableWhen(save_path_, separate_folders_);
  EnableWhen(browse_save_, separate_folders_);
  UpdateOnChange(unicode_prompt_);
  SetLayout(Column{
      Group{kLoadSaveGroupId,
            {Form{default_extension_, register_default_, other_extensions_, register_others_,
                  Row{load_path_, browse_load_}, Row{save_path_, browse_save_}, separate_folders_}}},
      Row{Group{kAutosaveGroupId, {Form{autosave_, line_feeds_}, Stretch{}}},
          Group{kUnicodeGroupId, {unicode_message_, unicode_prompt_, unicode_always_, unicode_never_}}},
      Stretch{},
  });
}

// Whoever is asked whether to save as UNICODE decides each time; the two
// fixed answers make no sense then.
void DMchFile::OnUpdate() {
  bool prompt = unicode_prompt_.IsChecked();
  for (WAutoCheckbox* fixed : {&unicode_always_, &unicode_never_}) {
    if (prompt) fixed->SetCheck(false);
    fixed->Enable(!prompt);
  }
}

// Always as UNICODE and always as a normal file exclude each other.
void DMchFile::OnEdited(WControl& control) {
  if (&control == &unicode_always_ && unicode_always_.IsChecked()) unicode_never_.SetCheck(false);
  if (&control == &unicode_never_ && unicode_never_.IsChecked()) unicode_always_.SetCheck(false);
}

// The chooser is a plug-in of its own, looked for in the program's Dll
// folder first; without it the field keeps its text.
void DMchFile::Browse(WEdit& field, int caption_id) {
  char path[kSelectDirectoryPathSize] = {};
  std::string start = GConfigPathHandler::NormalisePath(field.Value());
  std::strncpy(path, start.c_str(), sizeof path - 1);
  GPrefiguration* record = Record();
  std::string base = record != nullptr ? record->ProgramDirectory() : std::string();
  if (!SelectDirectory(base, path, kSelectDirectoryMayCreate, caption_id)) return;
  path[sizeof path - 1] = '\0';
  field.UserEdit(path);
}

}  // namespace prefig
