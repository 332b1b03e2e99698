#pragma once
#include <string>

#include "controls/auto_checkbox.h"
#include "controls/edit.h"
#include "controls/edit_ascii.h"
#include "controls/file_name_field.h"
#include "controls/push_button.h"
#include "pages/machine/machine_page.h"
#include "schema/tool_list.h"

namespace prefig {

// Tool list: how the editor's tool list command finds the tools of an NC
// program of the current machine type, and the template it fills.
class DMchToollist : public WMachinePage {
 public:
  DMchToollist();

  const std::string& Template() const { return template_.Path(); }

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  void OnUpdate() override;
  void ChooseTemplate();
  void EditTemplate();
  // A standard template follows the generator that is chosen.
  void FollowGenerator();

  WAutoCheckbox new_generator_{this, 13396, schema::kUseNewToolList};
  WEditAscii prefix_{this, 13386};
  WEdit trigger1_{this, 13394, schema::kTrigger1};
  WEdit trigger2_{this, 13395, schema::kTrigger2};
  WEdit comment_filter_{this, 13393, schema::kCommentFilter};
  WAutoCheckbox sort_{this, 13387, schema::kToolListSort};
  WAutoCheckbox ignore_duplicates_{this, 13388, schema::kToolListIgnoreDup};
  WAutoCheckbox ignore_zeros_{this, 13389, schema::kToolListIgnore0};
  WAutoCheckbox two_line_comments_{this, 13390, schema::kToolListTwoLine};
  WAutoCheckbox next_line_{this, 13391, schema::kToolListNextLine};
  WAutoCheckbox two_lines_at_a_time_{this, 13392, schema::kMultiLineRegex};
  WFileNameField template_{this, 13367};
  WIcoButton choose_{this, icon::kFolder, 13375, [this] { ChooseTemplate(); }};
  WIcoButton edit_{this, icon::kEdit, 13376, [this] { EditTemplate(); }};
};

}  // namespace prefig
