#pragma once
#include <climits>
#include <string>

#include "controls/control.h"

namespace prefig {

struct SpinOptions {
  int step = 1;
  int scale = 1;  // a number setting shown in these units (100: a fraction in per cent)
  bool letters = false;
};

// An edit field with up and down arrows. The text is the value: the arrows
// step whole numbers within the range, and also fractions ("1/32"),
// decimals ("2.50") and, when asked, letter codes.
class WSpinValue : public WControl {
 public:
  static constexpr int kRangeNeverSet = INT_MIN;

  WSpinValue(ControlOwner* owner, int label_id, Help help = {});
  // Shows an integer setting, or a number setting times `scale`, within the
  // setting's range; a number setting with scale 1 steps as a decimal.
  WSpinValue(ControlOwner* owner, int label_id, SettingRef setting, SpinOptions options = {}, Help help = {});

  // A maximum below the minimum is raised to the minimum.
  void Setup(int minimum, int maximum, int step, bool letters = false);
  // Shows n (without clamping); a spin without a range first gets 0 to 100000000, step 1.
  void SetValue(int n);
  // The field's decimal value clamped to the range.
  int GetValue() const;
  // Steps as a decimal number between the bounds, and is stored as a double.
  void DecimalSetup(double minimum, double maximum, double value);
  // The field's number (either decimal separator), for decimal spins.
  double GetDouble() const;
  void SetDouble(double value);
  // The text SetDouble shows: the shortest of 1 to 8 decimals that reads back as the value.
  static std::string DecimalText(double value);

  // One arrow press: +1 up, -1 down.
  void Step(int direction);
  // What the user types into the field.
  void UserEdit(std::string_view text);
  void UserStep(int direction);

  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int StepSize() const { return step_; }
  bool IsDecimal() const { return decimal_mode_; }
  int Scale() const { return scale_; }

 private:
  bool StepLetters(int direction);
  bool StepFraction(int direction);
  bool StepDecimal(int direction);

  int minimum_ = INT_MIN;
  int maximum_ = INT_MAX;
  int step_ = 1;
  bool letters_ = false;
  double decimal_minimum_ = -1e100;
  double decimal_maximum_ = 1e100;
  bool decimal_mode_ = false;
  int scale_ = 1;
};

}  // namespace prefig
