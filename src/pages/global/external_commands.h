#pragma once
#include <array>
#include <string>

#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/push_button.h"
#include "pages/config_base.h"
#include "record/external_command.h"
#include "schema/external_commands.h"

namespace prefig {

// The fields of one external command, bound to its member of the family.
struct CommandFields {
  CommandFields(ControlOwner* owner, int command);
  void Browse();
  bool HasTitle() const;

  WEdit title;
  WEdit executable;
  WIcoButton browse;
  WEdit parameters;
  WAutoCheckbox wait_for_output;
  WEdit output;
};

// External commands: two programs that the host runs on the current file,
// waiting for their output file where asked.
class DExternalCmd : public WPrefigBase {
 public:
  DExternalCmd();

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void Remember();

  CommandFields first_{this, 0};
  CommandFields second_{this, 1};
  // What the record held when the page loaded or last saved: a new title or
  // a command that comes into being needs the host's menu rebuilt.
  std::array<std::string, schema::kExternalCommands> loaded_titles_;
  std::array<CommandState, schema::kExternalCommands> loaded_states_{};
};

}  // namespace prefig
