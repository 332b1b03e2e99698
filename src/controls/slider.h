#pragma once
#include "controls/control.h"

namespace prefig {

struct SliderOptions {
  int page_step = 1;      // Page Up, Page Down and a click beside the handle
  int tick_interval = 0;  // a tick mark every so many units; 0: none
};

// A horizontal slider with a label in front of it. Bound to an integer
// setting it takes the setting's range.
class WSlider : public WControl {
 public:
  WSlider(ControlOwner* owner, int label_id, int minimum, int maximum, SliderOptions options = {}, Help help = {});
  WSlider(ControlOwner* owner, int label_id, SettingRef setting, SliderOptions options = {}, Help help = {});

  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Position() const { return position_; }
  int PageStep() const { return page_step_; }
  int TickInterval() const { return tick_interval_; }

  // A maximum below the minimum is raised to it; the position stays inside.
  void SetRange(int minimum, int maximum);
  // Clamped to the range.
  void SetPosition(int position);
  // The user moved the handle (by mouse or keys): the page hears of a change.
  void UserMove(int position);

 private:
  int minimum_ = 0;
  int maximum_ = 0;
  int position_ = 0;
  int page_step_;
  int tick_interval_;
};

}  // namespace prefig
