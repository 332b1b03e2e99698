#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "controls/control.h"

namespace prefig {

// One of several pictures, by name (the renderer's drawings), switched by
// index: the 5-axis dialog shows the picture of the kinematic type.
class WPicture : public WControl {
 public:
  WPicture(ControlOwner* owner, std::initializer_list<const char*> names, Help help = {});
  bool IsTabStop() const override { return false; }

  const std::vector<std::string>& Names() const { return names_; }
  int Selected() const { return selected_; }  // -1: none
  void Select(int index);                     // out of range: none
  // The name of the picture shown; empty when none.
  std::string Name() const;

 private:
  std::vector<std::string> names_;
  int selected_ = -1;
};

}  // namespace prefig
