// A 5-axis machine record line (and the same bytes as a whole file) from
// arbitrary bytes: nothing may crash; a line that reads must write back to a
// line that reads to the same text; the type found for it must write its
// vectors back unchanged; and the dialog must survive showing it and a few
// edits of its controls.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pages/five_axis_dialog.h"
#include "record/five_axis_files.h"
#include "record/five_axis_kinematics.h"

namespace {

void Check(bool ok) {
  if (!ok) abort();
}

void Exercise(const prefig::FiveAxisRecord& record, std::string_view rest) {
  using namespace prefig;
  std::string line = FormatFiveAxisRecord(record);
  auto again = ParseFiveAxisRecord(line);
  Check(again && FormatFiveAxisRecord(*again) == line && FiveAxisIdentity(*again) != 0);
  Check(line.size() <= kFiveAxisLineMax);

  FiveAxisShape shape = DeriveFiveAxisShape(record);
  Check(shape.type >= 0 && shape.type <= kFreeType);
  Check(shape.box1 >= 0 && shape.box1 < kFiveAxisBoxEntries && shape.box2 >= 0 && shape.box2 < kFiveAxisBoxEntries);
  if (shape.type != kFreeType) {
    FiveAxisRecord rebuilt = record;
    ApplyFiveAxisShape(shape, rebuilt);
    Check(rebuilt == record);
  }

  WInspect5Axis dialog(FiveAxisList{{record}, 1, 0}, "");
  // As a user can: disabled controls take nothing.
  auto type = [](WEdit& field, const std::string& text) {
    if (field.IsEnabled()) field.UserEdit(text);
  };
  for (size_t i = 0; i + 2 <= rest.size() && i < 32; i += 2) {
    int what = static_cast<unsigned char>(rest[i]), value = static_cast<unsigned char>(rest[i + 1]);
    std::string text(rest.substr(i + 1, value % 6));
    switch (what % 8) {
      case 0: dialog.Type().UserSelect(value % 12); break;
      case 1:
        if (dialog.AxisBox(value % 2).IsEnabled()) dialog.AxisBox(value % 2).UserSelect(value / 2 % 7);
        break;
      case 2: type(dialog.L1(), text); break;
      case 3: type(dialog.L2(), text); break;
      case 4: type(dialog.Limit(static_cast<FiveAxisLimit>(value % kLimitCount)), text); break;
      case 5: type(dialog.Vector(value % kVectorFieldCount), text); break;
      case 6:
        if (dialog.Used(value % 2).IsEnabled() && dialog.Used(value % 2).IsChecked() != bool(value & 4)) {
          dialog.Used(value % 2).Click();
        }
        break;
      default: dialog.AxisIcon(1).Click(); break;
    }
    Check(ParseFiveAxisRecord(FormatFiveAxisRecord(dialog.Entries()[0])).has_value());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  size_t end = bytes.find('\n');
  std::string_view line = bytes.substr(0, end);
  std::string_view rest = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  if (auto record = prefig::ParseFiveAxisRecord(line)) Exercise(*record, rest);
  for (const prefig::FiveAxisRecord& record : prefig::ParseFiveAxisLines(bytes)) {
    Check(prefig::ParseFiveAxisRecord(prefig::FormatFiveAxisRecord(record)).has_value());
  }
  return 0;
}
