#include "pages/global/editor.h"

#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kEditorTitleId = 1003;
constexpr int kEditorGroupId = 1151;
constexpr int kBlockModeGroupId = 1154;
constexpr int kFontGroupId = 1150;

}  // namespace

DEditor::DEditor() : WPrefigBase(kEditorTitleId, schema::kEditorPage) {
  using namespace layout;
  bookmark_indicators_.Show(false);
  EnableWhen(pad_tabs_, virtual_space_);
  SetLayout(Column{
      Group{kEditorGroupId,
            {Row{Column{keyboard_acceleration_, prompt_undo_, vertical_scroll_, horizontal_scroll_, backspace_,
                        replace_top_, tabs_to_spaces_, line_numbers_},
                 Column{show_replaced_, virtual_space_, pad_tabs_, remove_nul_, wrap_searches_, always_upper_,
                        remember_math_, highlight_line_}}}},
      Group{kBlockModeGroupId, {Row{Column{drag_blocks_, copy_without_}, Column{paste_dont_move_, mark_eol_}}}},
      Group{kFontGroupId, {font_}},
      Stretch{},
  });
}

// The host measures its text again with the new font.
void DEditor::OnSave() {
  if (GPrefiguration* record = Record()) record->Host().text_metrics = 0;
}

}  // namespace prefig
