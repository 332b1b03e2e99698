#pragma once
#include "controls/auto_checkbox.h"
#include "controls/font_sample.h"
#include "pages/config_base.h"
#include "schema/editor.h"

namespace prefig {

// The Editor page: how the host's text editor types, searches, scrolls,
// marks blocks, and the font it draws in.
class DEditor : public WPrefigBase {
 public:
  DEditor();

 private:
  void OnSave() override;

  WAutoCheckbox keyboard_acceleration_{this, 1135, schema::kKbdAccel};
  WAutoCheckbox prompt_undo_{this, 1143, schema::kPromptUndo};
  WAutoCheckbox vertical_scroll_{this, 1134, schema::kVScroll};
  WAutoCheckbox horizontal_scroll_{this, 1147, schema::kHScroll};
  WAutoCheckbox backspace_{this, 1160, schema::kBackspace};
  WAutoCheckbox replace_top_{this, 1138, schema::kReplaceTop};
  WAutoCheckbox tabs_to_spaces_{this, 1137, schema::kTabsToSpace};
  WAutoCheckbox line_numbers_{this, 1140, schema::kLineNumbers};
  WAutoCheckbox show_replaced_{this, 1145, schema::kShowReplace};
  WAutoCheckbox virtual_space_{this, 1136, schema::kVirtual};
  WAutoCheckbox pad_tabs_{this, 1144, schema::kPadTabs};
  WAutoCheckbox remove_nul_{this, 1156, schema::kRemoveAscii0};
  WAutoCheckbox wrap_searches_{this, 1139, schema::kWrapSearch};
  WAutoCheckbox always_upper_{this, 1141, schema::kAlwaysUpper};
  WAutoCheckbox remember_math_{this, 1142, schema::kRememberMath};
  WAutoCheckbox highlight_line_{this, 1158, schema::kHighlightLine};
  WAutoCheckbox drag_blocks_{this, 1152, schema::kDragBlocks};
  WAutoCheckbox copy_without_{this, 1153, schema::kCopyWithout};
  WAutoCheckbox paste_dont_move_{this, 1155, schema::kPasteDontMove};
  WAutoCheckbox mark_eol_{this, 1146, schema::kMarkEol};
  // Never shown: it carries the record's value through OK, in its place
  // among the keys, and Default leaves it.
  WAutoCheckbox bookmark_indicators_{this, 0, schema::kBookmarkIndicators};
  WFontSample font_{this, 0, schema::kEditorFont, {.sample_id = 1148, .upright = true}};
};

}  // namespace prefig
