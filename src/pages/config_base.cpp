#include "pages/config_base.h"

#include <algorithm>

#include "controls/auto_checkbox.h"
#include "module/host_interface.h"
#include "module/module_state.h"
#include "module/services.h"
#include "pages/site_lock.h"
#include "record/prefiguration.h"
#include "schema/registry.h"

namespace prefig {
namespace {

constexpr const char* kHelpTopic = "index";

bool CanTakeFocus(const WControl& control) { return control.IsTabStop() && control.IsVisible() && control.IsEnabled(); }

// Whether the saver of the table that `list` makes writes numbered families
// member by member (all keys of member 0, then of member 1, ...).
bool SavedByMember(SettingList list) {
  for (const SettingTable* table : AllTables()) {
    if (table->settings.data() == list.data() && table->settings.size() == list.size()) return table->by_member;
  }
  return false;
}

// The help text of a control, or of the control that a label names.
int HelpIdOf(const WControl* control, bool try_partner) {
  if (control == nullptr) return 0;
  if (control->HelpId() != 0 || !try_partner || control->Kind() != ControlKind::kStatic) return control->HelpId();
  const WControl* partner = static_cast<const WStatic*>(control)->Partner();
  return partner != nullptr ? partner->HelpId() : 0;
}

}  // namespace

void AskHostForHelp() {
  Services& services = GetServices();
  intptr_t answer = services.SendToHost(kMsgShowHelp, reinterpret_cast<uintptr_t>(kHelpTopic), kHelpCommand);
  if (answer != kHelpShown) services.ShowToolkitHelp(kHelpTopic, kHelpCommand);
}

void ShowHelp(const HelpRequest& request, int own_help_id) {
  Services& services = GetServices();
  switch (request.source) {
    case HelpSource::kControl: {
      int id = request.control != nullptr ? HelpIdOf(request.control, true) : own_help_id;
      std::string text = MessageString(id);
      if (text.empty()) break;
      int width = text.front() == '<' ? kMarkupTooltipWidth : kPlainTooltipWidth;
      services.ShowTooltip({text, width, request.control});
      return;
    }
    case HelpSource::kHover: {
      std::string text = MessageString(HelpIdOf(request.control, false));
      if (!text.empty()) services.ShowHelpPopup({text, request.control});
      return;
    }
    case HelpSource::kHelpButton: break;
  }
  AskHostForHelp();
}

WConfigBase::WConfigBase(int title_id, std::initializer_list<SettingList> tables)
    : title_id_(title_id), tables_(tables) {}

WConfigBase::~WConfigBase() = default;

std::string WConfigBase::GetTitle(bool) { return MessageString(title_id_); }

void WConfigBase::SetDefaults() {
  for (WControl* control : controls_) {
    const Setting* setting = control->BoundSetting();
    if (setting == nullptr || control->IsLocked()) continue;
    SettingPlace place = PlaceOf(*setting);
    if (!DefaultFromSite(*control, place)) DefaultControl(*control, place.context);
  }
  OnDefaults();
}

bool WConfigBase::QueryShow(bool show, bool) {
  OnShow(show);
  return true;
}

void WConfigBase::OnShow(bool) {}

void WConfigBase::UpdateControls() {
  for (const EnableRule& rule : rules_) rule.target->Enable(rule.rule());
  OnUpdate();
}

// The page's keys reach each file in one write. Settings held without a
// file (a machine type's) wait for the type's saver.
void WConfigBase::SaveValues() {
  if (not_yet_loaded_ || (ReloadsWhenShown() && !shown_)) return;
  std::vector<std::pair<GIniFile*, bool>> cached;
  auto cache = [&cached](GIniFile* file) {
    if (file == nullptr) return;
    for (const auto& entry : cached) {
      if (entry.first == file) return;
    }
    cached.emplace_back(file, file->SetCached(true));
  };
  cache(Record());
  for (WControl* control : BoundInSaveOrder()) {
    SettingPlace place = PlaceOf(*control->BoundSetting());
    // The site's value is what the record holds; the file refuses the key.
    if (place.values == nullptr || control->IsLocked()) continue;
    cache(place.file);
    SaveControl(*control, *place.values, place.file);
  }
  OnSave();
  for (auto it = cached.rbegin(); it != cached.rend(); ++it) it->first->SetCached(it->second);
  Saved();
}

void WConfigBase::LoadValues() {
  bool first_time = not_yet_loaded_;
  if (first_time) {
    for (WControl* control : controls_) control->ApplyTexts();
  }
  for (WControl* control : controls_) {
    const Setting* setting = control->BoundSetting();
    if (setting == nullptr) continue;
    SettingPlace place = PlaceOf(*setting);
    if (place.values != nullptr) LoadControl(*control, *place.values);
    control->SetLock(SiteLockOf(*setting, control->BoundMember(), place));
  }
  ApplyHookSiteLocks();
  OnLoad(first_time);
  not_yet_loaded_ = false;
}

void WConfigBase::ResetToDefaults() {
  SetDefaults();
  UpdateControls();
}

// A page is loaded before it is first shown. Hiding a page that was never
// loaded leaves it unloaded, so that it can never save controls that hold
// no values.
bool WConfigBase::ShowPage(bool show, bool pass_through) {
  if (show && (not_yet_loaded_ || ReloadsWhenShown())) LoadValues();
  if (!QueryShow(show, pass_through)) return false;
  if (!show && ReloadsWhenShown()) SaveValues();
  shown_ = show;
  if (show) UpdateControls();
  SetVisible(show);
  return true;
}

void WConfigBase::ShowPage(bool show) {
  if (show && (not_yet_loaded_ || ReloadsWhenShown())) LoadValues();
  OnShow(show);
  if (!show && ReloadsWhenShown()) SaveValues();
  shown_ = show;
  if (show) UpdateControls();
  SetVisible(show);
}

void WConfigBase::Commit() {
  if (not_yet_loaded_) return;
  OnShow(false);
  SaveValues();
}

WControl* WConfigBase::NextFocus(const WControl* from, bool forward) const {
  const std::vector<WControl*>& order = tab_order_;
  auto at = std::find(order.begin(), order.end(), from);
  if (forward) {
    auto it = at == order.end() ? order.begin() : at + 1;
    for (; it != order.end(); ++it) {
      if (CanTakeFocus(**it)) return *it;
    }
  } else {
    auto it = at == order.end() ? order.rbegin() : std::make_reverse_iterator(at);
    for (; it != order.rend(); ++it) {
      if (CanTakeFocus(**it)) return *it;
    }
  }
  return nullptr;
}

bool WConfigBase::IsModified(const WControl& control) {
  const Setting* setting = control.BoundSetting();
  if (setting == nullptr) return false;
  SettingPlace place = PlaceOf(*setting);
  // A locked control shows the site's value, which is its default.
  if (place.values == nullptr || control.IsLocked()) return false;
  return DiffersFromDefault(control, HoldsItsValues() ? nullptr : place.values, place.context,
                            SiteDefaultOf(control, place));
}

bool WConfigBase::ResetControl(WControl& control) {
  const Setting* setting = control.BoundSetting();
  if (setting == nullptr || !HoldsItsValues() || !CanBind(control) || control.IsLocked()) return false;
  SettingPlace place = PlaceOf(*setting);
  if (!PageDefaultText(*setting, place.context, control.BoundMember())) return false;
  if (!IsModified(control)) return true;
  if (!DefaultFromSite(control, place)) DefaultControl(control, place.context);
  ControlEdited(control);
  return true;
}

void WConfigBase::AddControl(WControl& control) { controls_.push_back(&control); }

void WConfigBase::ControlEdited(WControl& control) {
  OnEdited(control);
  if (TriggersUpdate(control)) UpdateControls();
}

void WConfigBase::HelpRequested(const HelpRequest& request) { ShowHelp(request, help_id_); }

SettingPlace WConfigBase::PlaceOf(const Setting& setting) {
  GPrefiguration* record = Record();
  if (record == nullptr || !InScope(setting.scope, Scope::kMain)) return {};
  return {&record->Global().Values(), record, record->SettingsContext(), record->Overlay()};
}

GPrefiguration* WConfigBase::Record() { return Module().record; }

void WConfigBase::SetLayout(layout::Item root) {
  layout_ = std::move(root);
  tab_order_ = layout::ControlsInOrder(layout_);
}

void WConfigBase::EnableWhen(WControl& target, const WAutoCheckbox& box) {
  EnableWhen(target, [&box] { return box.IsChecked(); }, {&box});
}

void WConfigBase::EnableWhen(WControl& target, std::function<bool()> rule,
                             std::initializer_list<const WControl*> sources) {
  rules_.push_back({&target, std::move(rule), sources});
}

void WConfigBase::UpdateOnChange(const WControl& control) { update_sources_.push_back(&control); }

void WConfigBase::UpdateOnChange(std::initializer_list<const WControl*> controls) {
  update_sources_.insert(update_sources_.end(), controls);
}

void WConfigBase::HandledInHooks(std::initializer_list<const Setting*> settings) {
  hook_settings_.insert(hook_settings_.end(), settings);
}

void WConfigBase::EditsInHooks(WControl& control, std::initializer_list<const Setting*> settings) {
  hook_edits_.emplace_back(&control, settings);
}

void WConfigBase::ApplyHookSiteLocks() {
  for (const auto& [control, settings] : hook_edits_) {
    std::optional<ControlLock> lock;
    for (const Setting* setting : settings) {
      if (!lock) lock = SiteLockOf(*setting, 0, PlaceOf(*setting));
    }
    control->SetLock(std::move(lock));
  }
}

std::vector<WControl*> WConfigBase::BoundInSaveOrder() const {
  std::vector<WControl*> order;
  std::vector<bool> taken(controls_.size(), false);
  auto take = [&](const Setting* setting, int member) {
    for (size_t i = 0; i < controls_.size(); ++i) {
      if (taken[i] || controls_[i]->BoundSetting() != setting || controls_[i]->BoundMember() != member) continue;
      taken[i] = true;
      order.push_back(controls_[i]);
    }
  };
  for (SettingList table : tables_) {
    if (SavedByMember(table)) {
      int members = 0;
      for (const Setting* s : table) members = std::max(members, s->count);
      for (int member = 0; member < members; ++member) {
        for (const Setting* s : table) {
          if (member < s->count) take(s, member);
        }
      }
    } else {
      for (const Setting* s : table) {
        for (int member = 0; member < s->count; ++member) take(s, member);
      }
    }
  }
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (!taken[i] && controls_[i]->BoundSetting() != nullptr) order.push_back(controls_[i]);
  }
  return order;
}

void WConfigBase::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (view_ != nullptr) view_->PageVisibilityChanged();
}

bool WConfigBase::TriggersUpdate(const WControl& control) const {
  if (std::find(update_sources_.begin(), update_sources_.end(), &control) != update_sources_.end()) return true;
  return std::any_of(rules_.begin(), rules_.end(), [&control](const EnableRule& rule) {
    return std::find(rule.sources.begin(), rule.sources.end(), &control) != rule.sources.end();
  });
}

}  // namespace prefig
