#include "entry/editor_setup_main.h"

#include <algorithm>
#include <iterator>

#include "controls/control.h"
#include "entry/services.h"
#include "pages/config_base.h"

namespace prefig {

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

DEditorSetupMain::~DEditorSetupMain() = default;

void DEditorSetupMain::Open(int start_page) {
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

void DEditorSetupMain::Ok() {
  for (PageId id : SaveOrder()) {
    if (WConfigBase* page = Page(id)) page->SaveValues();
  }
  EndDialog(kIdOk);
}

void DEditorSetupMain::Cancel() { EndDialog(kIdCancel); }

DEditorSetupMain::Focus DEditorSetupMain::TabFromTree() const {
  if (selected_ < 0) return {true, nullptr};
  WConfigBase* page = CurrentPage();
  return {false, page == nullptr ? nullptr : page->NextFocus(nullptr, true)};
}

}  // namespace prefig
