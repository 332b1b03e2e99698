#include "pages/editor_setup_main.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "ini/journal_transaction.h"
#include "module/host_interface.h"
#include "module/module_abi.h"
#include "module/module_state.h"
#include "module/services.h"
#include "pages/config_base.h"
#include "pages/not_written_message.h"
#include "pages/setup_session.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "record/dnc_config.h"
#include "record/prefiguration.h"
#include "record/setting_io.h"
#include "schema/features.h"
#include "schema/machine_general.h"
#include "schema/quiver.h"

namespace prefig {
namespace {

bool HoldsType(GPrefiguration& record, const GMachineType* type) {
  GMachineList& list = record.MachineTypes();
  for (int i = 0; i < list.Count(); ++i) {
    if (&list.At(i) == type) return true;
  }
  return false;
}

// A type that was made and removed again while the dialog was open: its
// object and its file go.
void DiscardNewType(GMachineType* type) {
  std::string path = type->Path();
  std::erase_if(SetupSession().new_types, [type](const auto& owned) { return owned.get() == type; });
  if (platform::RemoveFile(path) != 0) LogLine("SETUP : Could not delete %s", path.c_str());
}

// Cancel leaves the record as it was: the types that pages edited read
// their files again.
void RestoreEditedTypes(GPrefiguration& record) {
  for (GMachineType* type : SetupSession().working_types) {
    if (type->IsChanged()) type->Load(record.MachineTypeContext());
  }
}

void TellNotSaved(const char* what, int message_id, const WriteFailure& failure, MessageOwner owner) {
  LogLine("SETUP : %s, '%s': %s", what, failure.path.c_str(), std::strerror(failure.error));
  MessageBoxRequest notice;
  notice.text = MessageWithText(message_id, failure.path + ": " + std::strerror(failure.error));
  notice.caption_id = kErrorCaptionId;
  notice.icon = MessageIcon::kStop;
  notice.buttons = MessageButtons::kOk;
  notice.owner = owner;
  GetServices().MessageBox(notice);
}

}  // namespace

FeatureSwitches FeatureSwitchesOf(GPrefiguration& record) {
  const SettingValues& values = record.Global().Values();
  return {
      .backplot_off = values.Bool(schema::kDisableBackplot),
      .cadcam_post_off = values.Bool(schema::kDisableDrafter),
      .file_compare_off = values.Bool(schema::kDisableFileComp),
      .quiver_off = values.Bool(schema::kDisableQuiver),
      .math_off = values.Bool(schema::kDisableMathFunc),
      .dnc_off = values.Bool(schema::kDisableDncAdm),
      .mazatrol_off = values.Bool(schema::kDisableMazakView),
  };
}

DEditorSetupMain::DEditorSetupMain(const FeatureSwitches& switches, bool has_dnc_object,
                                   std::span<const PageEntry> table)
    : table_(table) {
  for (const PageEntry& entry : table_) {
    if (entry.make != nullptr && IsPagePresent(entry.id, switches, has_dnc_object)) {
      pages_[static_cast<int>(entry.id)] = entry.make();
    }
  }
  caption_ = MessageString(kCaptionId);
}

// The session must not call a dialog that is gone.
DEditorSetupMain::~DEditorSetupMain() { SetupSession().close_with_ok = nullptr; }

int DEditorSetupMain::Run(int start_page, GMachineType** list_out, int* count_out) {
  SetupSession().list_changed = false;
  Open(start_page);
  GetServices().RunModal(*this);
  Close(list_out, count_out);
  return 1;
}

void DEditorSetupMain::Open(int start_page) {
  SetupSessionState& session = SetupSession();
  session.working_types.clear();
  session.removed_types.clear();
  session.new_types.clear();
  session.current_type = -1;
  session.close_with_ok = [this] {
    if (!HasEnded()) Ok();
  };
  if (GPrefiguration* record = Module().record) {
    record->NcFilters().Fill();  // the control types that the backplot page offers
    GMachineList& list = record->MachineTypes();
    for (int i = 0; i < list.Count() && i < kMachineListOutMax; ++i) session.working_types.push_back(&list.At(i));
    if (!session.working_types.empty()) {
      session.current_type =
          std::clamp(record->Host().current_machine_type, 0, static_cast<int>(session.working_types.size()) - 1);
    }
  }
  tree_.clear();
  int start_entry = -1;
  int entry_of[kPageCount];
  std::fill(std::begin(entry_of), std::end(entry_of), -1);
  for (const PageEntry& entry : table_) {
    int index = static_cast<int>(entry.id);
    if (pages_[index] == nullptr) continue;
    int parent = entry.parent == entry.id ? -1 : entry_of[static_cast<int>(entry.parent)];
    entry_of[index] = static_cast<int>(tree_.size());
    if (entry.start_page != 0 && entry.start_page == start_page) start_entry = entry_of[index];
    tree_.push_back({entry.id, pages_[index].get(), parent, false, pages_[index]->GetTitle(true)});
    if (entry.expand_after && parent >= 0) tree_[parent].expanded = true;
  }
  if (start_entry < 0 && !tree_.empty()) start_entry = 0;
  Select(start_entry);
}

WConfigBase* DEditorSetupMain::CurrentPage() const { return selected_ < 0 ? nullptr : tree_[selected_].page; }

// Only the page shown last is hidden, so a page is always loaded before it
// is hidden.
void DEditorSetupMain::Select(int entry) {
  if (entry < 0 || entry >= static_cast<int>(tree_.size()) || entry == selected_) return;
  if (WConfigBase* old_page = CurrentPage()) old_page->ShowPage(false);
  selected_ = entry;
  WConfigBase* page = CurrentPage();
  page->ShowPage(true);
  banner_ = page->GetTitle(false);
  caption_ = MessageString(kCaptionId) + ": " + banner_;
  Changed();
}

void DEditorSetupMain::Default() {
  WConfigBase* page = CurrentPage();
  if (page == nullptr) return;
  MessageBoxRequest question;
  question.text = MessageString(kDefaultQuestionId);
  question.caption_id = kNoticeCaptionId;
  question.icon = MessageIcon::kQuestion;
  question.buttons = MessageButtons::kYesNo;
  question.owner = MessageOwner::kDialog;
  if (GetServices().MessageBox(question) == kIdYes) page->ResetToDefaults();
}

void DEditorSetupMain::Help() {
  if (WConfigBase* page = CurrentPage()) {
    page->HelpRequested({HelpSource::kHelpButton, nullptr});
  } else {
    AskHostForHelp();
  }
}

// The machine-type pages save into their types; the types' saver then
// writes the files of those that changed, which the host hears of. The
// files change together, as one save of the journal, or none does: then
// the user is told which file and why, and the dialog stays open so that
// OK can be pressed again once the cause is mended, or Cancel.
void DEditorSetupMain::Ok() {
  GPrefiguration* record = Module().record;
  std::optional<WriteFailure> failure;
  auto failed = [&failure](const std::string& path, int error) { KeepFirst(failure, path, error); };
  if (record != nullptr) record->ClearWriteError();
  GDncConfig* dnc = Module().dnc_config;
  if (dnc != nullptr) dnc->Ini().ClearWriteError();
  journal::JournalTransaction save;
  // What the main file held before this OK: a save that is not made puts
  // it back, since some of it (the file associations' list) is written at
  // once by a button and no page writes it again at the next OK.
  std::optional<GIniFile::CacheState> main_before;
  if (record != nullptr && record->IsCached()) main_before = record->TakeCacheState();
  for (PageId id : SaveOrder()) {
    if (WConfigBase* page = Page(id)) page->SaveValues();
  }
  // The DNC pages write the host's DNC file directly.
  if (dnc != nullptr && dnc->Ini().WriteError() != 0) failed(dnc->Ini().Path(), dnc->Ini().WriteError());
  for (PageId id : SaveOrder()) {
    if (WConfigBase* page = Page(id); page != nullptr && page->IsLoaded()) page->DialogAccepted();
  }
  std::vector<GMachineType*> saved;
  for (GMachineType* type : SetupSession().working_types) {
    if (!type->IsChanged()) continue;
    if (!type->Save()) failed(type->Path(), type->Ini().WriteError());
    saved.push_back(type);
  }
  // The main file, held in cache mode while the dialog is open, goes with
  // the same save.
  if (record != nullptr && (!record->Flush() || record->WriteError() != 0)) {
    failed(record->Path(), record->WriteError());
  }
  if (failure) {
    save.Abandon();
  } else if (int error = save.Commit()) {
    failed(save.FailedPath(), error);
  }
  if (failure) {
    // Nothing reached the files: the types must be written on the next OK.
    for (GMachineType* type : saved) type->SetChanged();
    if (main_before) record->RestoreCacheState(std::move(*main_before));
    TellNotSaved("Settings not saved", kNotSavedId, *failure, MessageOwner::kDialog);
    return;
  }
  if (record != nullptr && !saved.empty()) record->Host().machine_types_changed = true;
  EndDialog(kIdOk);
}

void DEditorSetupMain::Cancel() { EndDialog(kIdCancel); }

void DEditorSetupMain::Close(GMachineType** list_out, int* count_out) {
  journal::JournalTransaction save;
  SetupSessionState& session = SetupSession();
  session.close_with_ok = nullptr;
  GPrefiguration* record = Module().record;
  if (record != nullptr) {
    if (EndCode() != kIdOk) RestoreEditedTypes(*record);
    // The type chosen last is the record's current one, as a position in
    // the list handed back (or in the unchanged list).
    if (session.current_type >= 0) record->Host().current_machine_type = session.current_type;
  }
  if (!session.list_changed || record == nullptr) {
    *count_out = -1;
    return;
  }
  for (GMachineType*& type : session.removed_types) {
    if (type == nullptr) continue;
    if (!HoldsType(*record, type)) {
      DiscardNewType(type);
    } else if (type->Values().Int(schema::kQuiverId) > 0 && record->Host().notify_database &&
               record->Host().window != nullptr) {
      type->Values().SetBool(schema::kQuiverStore, false);
      GetServices().SendToHost(kMsgTypeRemoved, reinterpret_cast<uintptr_t>(type), 1);
    }
    type = nullptr;
  }
  int count = std::min(static_cast<int>(session.working_types.size()), kMachineListOutMax);
  *count_out = count;
  std::optional<WriteFailure> failure;
  for (int i = 0; i < count; ++i) {
    GMachineType* type = session.working_types[i];
    list_out[i] = type;
    type->Ini().ClearWriteError();
    type->Values().SetInt(schema::kLoadOrder, i + 1);  // this key only: the type is not marked changed
    type->Values().Save(type->Ini(), schema::kLoadOrder);
    if (type->Ini().WriteError() != 0) KeepFirst(failure, type->Path(), type->Ini().WriteError());
  }
  // The record owns the new types from now on; the host arranges its list
  // by the one handed back.
  for (auto& type : session.new_types) record->MachineTypes().Adopt(std::move(type));
  session.new_types.clear();
  if (int error = save.Commit()) KeepFirst(failure, save.FailedPath(), error);
  // The dialog is gone, but the order the user gave the types would be the
  // earlier one at the next start: that is told over the host's window.
  if (failure) TellNotSaved("The types' order not saved", kOrderNotSavedId, *failure, MessageOwner::kHostWindow);
}

DEditorSetupMain::Focus DEditorSetupMain::TabFromTree() const {
  if (selected_ < 0) return {true, nullptr};
  WConfigBase* page = CurrentPage();
  return {false, page == nullptr ? nullptr : page->NextFocus(nullptr, true)};
}

}  // namespace prefig
