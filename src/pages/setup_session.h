#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "record/machine_type.h"

namespace prefig {

// What the setup dialog keeps while it is open (DEditorSetupMain fills it
// when it opens and hands the list back when it closes): the machine types
// in the order the user gives them, the one the machine-type pages edit,
// the ones removed, and the ones made meanwhile (owned here until the
// dialog closes).
struct SetupSessionState {
  std::vector<GMachineType*> working_types;
  int current_type = -1;
  std::vector<GMachineType*> removed_types;
  std::vector<std::unique_ptr<GMachineType>> new_types;
  bool list_changed = false;  // the machine type list changed while the dialog was open
  // Ends the open setup dialog as its OK button does (every page saved, the
  // changed machine types written); empty while no dialog is open.
  std::function<void()> close_with_ok;
};
inline constexpr size_t kRemovedTypesMax = 1024;

// The dialog is modal, so there is one session at a time.
SetupSessionState& SetupSession();
// The machine type that the machine-type pages edit, or null.
GMachineType* CurrentMachineType();

}  // namespace prefig
