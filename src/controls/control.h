#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace prefig {

struct Setting;
class WControl;
class WStatic;

enum class ControlKind {
  kStatic,
  kCheckBox,
  kSpin,
  kComboBox,
  kEdit,
  kEditField,
  kEditAscii,
  kFileName,
  kPushButton,
  kIconButton,
  kColorIndicator,
  kList,
  kIcon,
  kFontSample,
  kSlider,
  kSwatchRow,
  kPicture,
  kNcPreview,
};

// What a bound control edits: a setting, or one member of a numbered family
// (counted from 0, as SettingValues counts; TITLE%02d member 1 is TITLE01).
struct SettingRef {
  SettingRef(const Setting& s) : setting(&s) {}  // NOLINT: a setting stands for its only member
  SettingRef(const Setting& s, int n) : setting(&s), member(n) {}
  const Setting* setting;
  int member = 0;
};
inline SettingRef Member(const Setting& setting, int member) { return {setting, member}; }

// A control's help text, declared with the control:
// `WEdit title_{this, 1616, Member(schema::kExtTitle, 1), Help{id}}`.
struct Help {
  int id = 0;
};

// Why a control asks its page for help.
enum class HelpSource {
  kControl,     // F1 on the control that has the focus
  kHelpButton,  // the setup dialog's Help button
  kHover,       // the mouse rested on a control that offers hover help (the 0xBABE mark)
};

// What keeps a control from being changed: a site file fixes the setting.
struct ControlLock {
  std::string key;        // SECTION/KEY
  std::string site_file;  // the file that locks it
};

struct HelpRequest {
  HelpSource source = HelpSource::kControl;
  const WControl* control = nullptr;  // null: the page itself
};

// The page that holds controls: it learns of every control in declaration
// order, of every change the user makes, and of help requests.
class ControlOwner {
 public:
  virtual void AddControl(WControl& control) = 0;
  virtual void ControlEdited(WControl& control) = 0;
  virtual void HelpRequested(const HelpRequest& request) = 0;
  // The user left a field (the focus went elsewhere); most owners need not know.
  virtual void ControlLeft(WControl& control) { (void)control; }

 protected:
  ~ControlOwner() = default;
};

// Whatever shows a control (the Qt renderer) listens here and redraws the
// control's whole state; the model never knows the toolkit.
class ControlView {
 public:
  virtual void ModelChanged() = 0;

 protected:
  ~ControlView() = default;
};

// The state every settings control has: its text, its label (the static in
// front of it, which follows its enabling and showing), its enabled and
// visible state and its help text.
class WControl {
 public:
  WControl(ControlOwner* owner, ControlKind kind, Help help = {});
  virtual ~WControl();
  WControl(const WControl&) = delete;
  WControl& operator=(const WControl&) = delete;

  ControlKind Kind() const { return kind_; }
  ControlOwner* Owner() const { return owner_; }

  const std::string& Text() const { return text_; }
  // Sets the text only when it differs, so an unchanged value tells no one.
  bool SetText(std::string_view text);
  // The text of a message id; nothing happens without a message table.
  void SetTextFromId(int id, bool strip_mnemonics = false);

  // The label in front of the control (null for none).
  WStatic* Label() const { return label_.get(); }
  // A label whose text is no message ("L1:"); it stays through ApplyTexts.
  void SetLabelText(std::string_view text);

  // What `prefig page` and tests call a control that edits no setting and
  // whose text is no message of its own ("min1"); empty: none.
  const std::string& ControlName() const { return control_name_; }
  void SetControlName(std::string_view name) { control_name_ = name; }

  // Enabling and showing carry over to the label. A locked control is never
  // enabled, whatever its page's rules say, and shows why.
  void Enable(bool on);
  bool IsEnabled() const { return enabled_ && !lock_; }
  void SetLock(std::optional<ControlLock> lock);
  bool IsLocked() const { return lock_.has_value(); }
  const std::optional<ControlLock>& Lock() const { return lock_; }
  void Show(bool on);
  bool IsVisible() const { return visible_; }
  virtual bool IsTabStop() const { return true; }

  // The message shown when the user asks for help on the control (0: none).
  int HelpId() const { return help_id_; }
  void SetHelpId(int message_id) { help_id_ = message_id; }

  // The message id that LoadValues puts into the control (or its label)
  // the first time the page is loaded; 0 keeps the text as it is.
  int TextId() const { return text_id_; }
  // Sets the declared texts (and list entries); called once per page.
  virtual void ApplyTexts();

  // The stored setting that the control edits (null: none), and which
  // member of a numbered family. The page saves bound controls in the order
  // of its settings table.
  const Setting* BoundSetting() const { return setting_; }
  int BoundMember() const { return member_; }

  void AttachView(ControlView* view);

 protected:
  // Control kinds whose declared text id names the label in front of them.
  void MakeLabel(int text_id);
  void SetTextId(int text_id) { text_id_ = text_id; }
  void BindTo(SettingRef setting) {
    setting_ = setting.setting;
    member_ = setting.member;
  }
  // Tell the view to show the model again.
  void Changed();
  // Tell the page that the user changed the control.
  void Edited();

 private:
  ControlOwner* owner_;
  ControlKind kind_;
  std::string text_;
  std::unique_ptr<WStatic> label_;
  bool enabled_ = true;
  std::optional<ControlLock> lock_;
  bool visible_ = true;
  int help_id_ = 0;
  int text_id_ = 0;
  std::string control_name_;
  const Setting* setting_ = nullptr;
  int member_ = 0;
  ControlView* view_ = nullptr;
};

// A static text: a label, a caption or a unit behind a field.
class WStatic : public WControl {
 public:
  // A static with a message text, or with a fixed text of its own ("%").
  WStatic(ControlOwner* owner, int text_id, Help help = {});
  WStatic(ControlOwner* owner, std::string_view fixed_text, Help help = {});
  bool IsTabStop() const override { return false; }

  // The control that this static labels (its partner for help), if any.
  WControl* Partner() const { return partner_; }
  void SetPartner(WControl* partner) { partner_ = partner; }

 private:
  WControl* partner_ = nullptr;
};

// The message text of an id with every "&" removed when asked.
std::string MessageString(int id, bool strip_mnemonics = false);
// The message text with its first "%s" replaced by `text` (a message text
// is never used as a format).
std::string MessageWithText(int id, std::string_view text);

}  // namespace prefig
