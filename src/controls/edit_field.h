#pragma once
#include <string>
#include <string_view>

#include "controls/edit.h"

namespace prefig {

// An edit field that filters what the user types by its input mode.
class WEditField : public WEdit {
 public:
  enum class Mode {
    kFree = 0,
    kUnsigned = 1,  // whole numbers within the integer bounds
    kSigned = 2,
    kUnsignedDecimal = 3,  // one separator, "." or ",", within the decimal bounds
    kSignedDecimal = 4,
    kUpperAlnum = 5,  // letters and digits, upper case (5 to 7 alike)
    kUpperAlnum6 = 6,
    kUpperAlnum7 = 7,
    kNoComma = 8,
    kNumberText = 9,  // letters, digits, "+-.," and single spaces
  };

  WEditField(ControlOwner* owner, int label_id, Mode mode = Mode::kFree, Help help = {});
  WEditField(ControlOwner* owner, int label_id, SettingRef setting, Mode mode, Help help = {});

  Mode GetMode() const { return mode_; }
  void SetMode(Mode mode) { mode_ = mode; }
  void SetBounds(long long minimum, long long maximum);
  void SetDecimalBounds(double minimum, double maximum);

  // What the field holds after the user turned `current` into `proposed`:
  // characters that the mode does not take are dropped, and a number that
  // would leave its bounds keeps the current text.
  std::string Filter(std::string_view current, std::string_view proposed) const;

  void UserEdit(std::string_view text) override;

 private:
  Mode mode_;
  long long minimum_ = 0;
  long long maximum_ = 2147483647;
  double decimal_minimum_ = -1e100;
  double decimal_maximum_ = 1e100;
};

}  // namespace prefig
