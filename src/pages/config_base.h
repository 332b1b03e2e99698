#pragma once
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "controls/control.h"
#include "pages/binding.h"
#include "pages/layout.h"

namespace prefig {

class GPrefiguration;
class WAutoCheckbox;

// A schema table's settings (schema::kGeneralPage, ...), in the order its
// saver writes them.
using SettingList = std::span<const Setting* const>;

// Whatever shows a page (the renderer) hears when it is to be shown or hidden.
class PageView {
 public:
  virtual void PageVisibilityChanged() = 0;

 protected:
  ~PageView() = default;
};

// The base of every settings page and the protocol by which the setup
// dialog loads, shows, resets and saves it.
//
// A page names the schema tables of its settings, declares its controls as
// members, binds them to settings, declares its layout and its enable rules;
// the base then does the rest: the texts and list entries on the first
// load, loading, defaults, and saving of the bound controls in the order of
// the tables, enabling. A page adds behaviour of its own in the On... hooks.
class WConfigBase : public ControlOwner {
 public:
  explicit WConfigBase(int title_id, std::initializer_list<SettingList> tables = {});
  WConfigBase(int title_id, SettingList table) : WConfigBase(title_id, {table}) {}
  virtual ~WConfigBase();
  WConfigBase(const WConfigBase&) = delete;
  WConfigBase& operator=(const WConfigBase&) = delete;

  // The page protocol.
  // The tree's text; the banner's text (for_tree false) is the same unless a page says otherwise.
  virtual std::string GetTitle(bool for_tree);
  // Every control to its default; the record is not touched.
  void SetDefaults();
  // May refuse a change of visibility by returning false; the default tells OnShow and agrees.
  virtual bool QueryShow(bool show, bool pass_through);
  // The page is about to become visible or hidden.
  virtual void OnShow(bool show);
  // Enables and disables controls from the current values.
  void UpdateControls();
  // Writes the controls into the record and its INI file; nothing before the first load.
  void SaveValues();
  // The first call sets the declared texts and list entries; every call loads the values.
  void LoadValues();
  void ResetToDefaults();
  bool ShowPage(bool show, bool pass_through);
  void ShowPage(bool show);
  // Saves a loaded page as if it were hidden.
  void Commit();
  // The setup dialog's OK, after every page saved: what a page keeps back
  // until then (a machine-type page saves when hidden, yet a setting of the
  // whole configuration must not reach its file before OK).
  virtual void DialogAccepted() {}

  int TitleId() const { return title_id_; }
  bool IsLoaded() const { return !not_yet_loaded_; }
  bool IsShown() const { return shown_; }      // the state last given to ShowPage
  bool IsVisible() const { return visible_; }  // whether the page's window shows

  const layout::Item& Layout() const { return layout_; }
  // Every control in declaration order.
  const std::vector<WControl*>& Controls() const { return controls_; }
  // The tables the page's settings come from, in the order OK writes them,
  // and the settings of them that the hooks load and save instead of a control.
  const std::vector<SettingList>& Tables() const { return tables_; }
  const std::vector<const Setting*>& HookSettings() const { return hook_settings_; }
  // Where Tab goes from `from` (null: from outside the page) among the
  // visible, enabled tab stops in layout order; null when it would wrap
  // around, so the focus leaves the page.
  WControl* NextFocus(const WControl* from, bool forward) const;

  void AttachView(PageView* view) { view_ = view; }

  // Whether the controls hold the values OK would save: loaded, and for a
  // page that loads again whenever it is shown, shown.
  bool HoldsItsValues() const { return IsLoaded() && (!ReloadsWhenShown() || IsShown()); }
  // Where a bound setting lives (the values a page not holding its values
  // would show).
  SettingPlace Place(const Setting& setting) { return PlaceOf(setting); }
  // Whether a bound control differs from what the Default button would give
  // it; for a page that does not hold its values, the value it would load.
  bool IsModified(const WControl& control);
  // The Default button for one control, as if the user had set it: the
  // record is not touched. False when Default leaves the control alone or
  // the page does not hold its values (it was never shown).
  bool ResetControl(WControl& control);

  // The help text of the page itself (F1 with no control to ask about).
  void SetHelpId(int message_id) { help_id_ = message_id; }

  // ControlOwner
  void AddControl(WControl& control) override;
  void ControlEdited(WControl& control) override;
  // The page help handler: the control's help text in a tooltip, hover help
  // in the help pop-up, or else help from the host.
  void HelpRequested(const HelpRequest& request) override;
  void ControlLeft(WControl& control) override { OnLeft(control); }

 protected:
  void SetLayout(layout::Item root);
  // `target` is enabled exactly while `box` is checked.
  void EnableWhen(WControl& target, const WAutoCheckbox& box);
  // `target` is enabled exactly while `rule` holds; the rule is checked
  // again whenever the user changes one of `sources`.
  void EnableWhen(WControl& target, std::function<bool()> rule, std::initializer_list<const WControl*> sources);
  // A user change of `control` (a click of a button) runs UpdateControls.
  void UpdateOnChange(const WControl& control);
  void UpdateOnChange(std::initializer_list<const WControl*> controls);
  // Settings of the page's tables that no control shows: OnLoad, OnSave and
  // OnDefaults take care of them.
  void HandledInHooks(std::initializer_list<const Setting*> settings);
  // A control that no setting is bound to, yet that edits these settings
  // through the hooks: the site locks it when it locks one of them (each
  // is a member 0). The hooks leave a locked control as it was loaded.
  void EditsInHooks(WControl& control, std::initializer_list<const Setting*> settings);

  // What a page adds to the declared behaviour.
  virtual void OnLoad(bool first_time) { (void)first_time; }
  virtual void OnSave() {}
  virtual void OnDefaults() {}
  virtual void OnUpdate() {}
  // A control that a page handles itself was changed by the user.
  virtual void OnEdited(WControl& control) { (void)control; }
  // The focus left a field of the page (a text checked once it is complete).
  virtual void OnLeft(WControl& control) { (void)control; }

  // Where a bound setting lives. The base knows the settings of the main
  // INI file (the record's values); machine-type pages add their type's.
  virtual SettingPlace PlaceOf(const Setting& setting);
  // The record that RunSetup was given (null in a page test without one).
  static GPrefiguration* Record();

  // For a family of pages rather than a single page (WMachinePage): a page
  // whose subject the user can switch while it is hidden loads again on
  // every showing, saves whenever it is hidden and only while it is shown
  // (so it never writes what it showed of one subject into another), and
  // hears when it has saved.
  virtual bool ReloadsWhenShown() const { return false; }
  virtual void Saved() {}

 private:
  struct EnableRule {
    WControl* target;
    std::function<bool()> rule;
    std::vector<const WControl*> sources;
  };
  void SetVisible(bool visible);
  bool TriggersUpdate(const WControl& control) const;
  // The bound controls in the order of the tables' settings and members,
  // then any bound to no table's setting in declaration order.
  std::vector<WControl*> BoundInSaveOrder() const;
  // The controls of EditsInHooks locked or not, as the site says where
  // their settings are held (bound controls are when they load).
  void ApplyHookSiteLocks();

  int title_id_;
  std::vector<SettingList> tables_;
  std::vector<const Setting*> hook_settings_;
  std::vector<std::pair<WControl*, std::vector<const Setting*>>> hook_edits_;
  bool not_yet_loaded_ = true;
  bool shown_ = false;
  bool visible_ = false;
  std::vector<WControl*> controls_;
  layout::Item layout_{layout::Column{}};
  std::vector<WControl*> tab_order_;
  std::vector<EnableRule> rules_;
  std::vector<const WControl*> update_sources_;
  PageView* view_ = nullptr;
  int help_id_ = 0;
};

// Pages derive from WPrefigBase; it adds nothing to WConfigBase.
class WPrefigBase : public WConfigBase {
 public:
  using WConfigBase::WConfigBase;
};

// Asks the host's main window for help on the topic "index"; when it does
// not answer that it showed help, the toolkit's own help is shown.
void AskHostForHelp();

// The help handler of pages and dialogs: F1 shows the control's help text
// (a label's partner's, or `own_help_id` when no control asks) in a
// tooltip, hover help goes to the help pop-up; without a text, and for the
// Help button, the host is asked.
void ShowHelp(const HelpRequest& request, int own_help_id);

}  // namespace prefig
