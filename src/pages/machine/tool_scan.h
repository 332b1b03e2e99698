#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "pages/machine/machine_page.h"
#include "schema/tool_scan.h"

namespace prefig {

// The words the tool scan page checks when a field is left, and its rule
// for each (the configuration check applies the same).
enum class ToolScanWord { kType, kDimension, kTrigger };
// Which word a setting of the page is, if any.
std::optional<ToolScanWord> ToolScanWordOf(const Setting& s);
// The message id with which the page refuses `text` as such a word; 0 when
// it takes it.
int ToolScanRefusal(ToolScanWord word, std::string_view text);

// Tool scan: the keyword of a tool definition line in an NC program's
// comments, the words of the tool types and dimensions in such a line, and
// whether the backplot inserts tool definitions into the NC file.
class DMchInspectToolscan : public WMachinePage {
 public:
  static constexpr int kTypeCount = 15;
  static constexpr int kDimensionCount = 9;

  DMchInspectToolscan();

  // The example line as the scanner expects it.
  const std::string& Example() const { return example_.Text(); }

 private:
  void OnLoad(bool first_time) override;
  void OnSave() override;
  void OnDefaults() override;
  void OnUpdate() override;
  void OnLeft(WControl& control) override;

  // Takes the three words over when all of them are acceptable; a word
  // refused is reported once for the text it has.
  void TakeOverWords();
  bool Refused(const std::string& text, std::string& last_refused, int message_id);
  void BuildExample();

  WAutoCheckbox auto_scan_{this, 2648, schema::kAutoToolScan};
  WEdit trigger_{this, 2649};
  WComboBox types_{
      this, 2650, {2495, 2496, 2497, 2498, 2499, 2500, 2501, 2502, 2503, 2504, 2505, 2506, 2507, 2508, 2509}};
  WEdit type_word_{this, 0};
  WComboBox dimensions_{this, 2651, {2664, 2665, 2666, 2667, 2668, 2669, 2670, 2671, 2672}};
  WEdit dimension_word_{this, 0};
  WStatic example_label_{this, 2652};
  WStatic example_{this, ""};
  WAutoCheckbox write_tools_{this, 2658, schema::kAutoWriteTools};
  WComboBox placement_{this, 2659, schema::kAutoWriteToolPlacement, {2660, 2661, 2662}};
  WEdit placement_regex_{this, 2663, schema::kAutoWriteToolRegex};

  // What the page edits until OK: the words by list position, the keyword.
  std::array<std::string, kTypeCount> type_words_;
  std::array<std::string, kDimensionCount> dimension_words_;
  std::string trigger_word_;
  // The last text of each field that was refused, so it is reported once.
  std::string refused_type_;
  std::string refused_dimension_;
  std::string refused_trigger_;
};

}  // namespace prefig
