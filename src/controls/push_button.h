#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "controls/control.h"

namespace prefig {

// A push button; the page says what a click does.
class WPushButton : public WControl {
 public:
  WPushButton(ControlOwner* owner, int text_id, std::function<void()> on_click = {}, Help help = {});
  void OnClick(std::function<void()> on_click) { on_click_ = std::move(on_click); }
  // The user's click.
  void Click();

 protected:
  WPushButton(ControlOwner* owner, ControlKind kind, std::function<void()> on_click, Help help);

 private:
  std::function<void()> on_click_;
};

// Names of the icons that the module draws itself.
namespace icon {
inline constexpr const char* kFont = "font";
inline constexpr const char* kFolder = "folder";
inline constexpr const char* kAdd = "add";
inline constexpr const char* kRemove = "remove";
inline constexpr const char* kUp = "arrow-up";
inline constexpr const char* kDown = "arrow-down";
inline constexpr const char* kSetup = "setup";
inline constexpr const char* kPassword = "password";
inline constexpr const char* kStore = "store";
inline constexpr const char* kEdit = "edit";
inline constexpr const char* kPalette = "palette";
}  // namespace icon

// A button that shows an icon and explains itself in a tooltip.
class WIcoButton : public WPushButton {
 public:
  WIcoButton(ControlOwner* owner, const char* icon_name, int tooltip_id, std::function<void()> on_click = {},
             Help help = {});
  const char* IconName() const { return icon_name_; }
  std::string Tooltip() const { return MessageString(tooltip_id_, true); }
  int TooltipId() const { return tooltip_id_; }

 private:
  const char* icon_name_;
  int tooltip_id_;
};

// An icon that explains something beside it (a legend).
class WIcon : public WControl {
 public:
  WIcon(ControlOwner* owner, const char* icon_name, Help help = {})
      : WControl(owner, ControlKind::kIcon, help), icon_name_(icon_name) {}
  bool IsTabStop() const override { return false; }
  const char* IconName() const { return icon_name_; }

 private:
  const char* icon_name_;
};

}  // namespace prefig
