#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

class FormDialog;
class WConfigBase;
class WControl;

// The text face of a page: what `prefig page` prints of a page and how it
// makes a user's edits and clicks. It works on the same models, rules and
// hooks as the dialog; nothing here knows the toolkit.
namespace page_text {

// A control as one line: NAME, KIND, VALUE and STATE, separated by tabs.
struct ControlLine {
  std::string name;   // SECTION/KEY of its setting, else its control name, else '#' and its text's message id
  std::string kind;   // check, spin, combo, edit, list, colour, swatches, font, button, slider, picture, label
  std::string value;  // as the control shows it, on one line
  // "enabled", "disabled" or "locked" (by the site), then " hidden" when not
  // visible, " modified" when not the page's default
  std::string state;
  WControl* control = nullptr;
};

// The page's (or dialog's) controls in layout order (then any control the
// layout leaves out, in declaration order); a name that two controls share
// gets "@2", "@3", ... on the second and later ones.
std::vector<ControlLine> Describe(WConfigBase& page);
std::vector<ControlLine> Describe(const FormDialog& dialog);
std::string Format(const std::vector<ControlLine>& lines);

// The value as the control shows it, on one line (Describe's VALUE); for a
// page that does not hold its values, what the control would show once
// loaded, from its declaration and the record's values (empty when the page
// fills the control itself).
std::string ValueText(const WControl& control);
std::string ValueTextOf(WConfigBase& page, const WControl& control);

// The control named `name` (a NAME as Describe gives it, or a KEY alone
// when one control of the page has it), or null with the reason in `error`.
WControl* Find(const std::vector<ControlLine>& lines, std::string_view name, std::string* error);

// Makes the edit a user makes: the value typed and the field left, an entry
// chosen, a box set. A value the control cannot take is refused (false,
// with the reason in `error`), so that nothing half-made is written.
bool Edit(WControl& control, std::string_view value, std::string* error);
// Clicks a button or a check box.
bool Click(WControl& control, std::string* error);

}  // namespace page_text
}  // namespace prefig
