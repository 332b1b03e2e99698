#include "pages/global/printer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "record/prefiguration.h"

namespace prefig {
namespace {

constexpr int kPrinterTitleId = 1007;
constexpr int kPrintOptionsGroupId = 1195;
constexpr int kHeaderFooterGroupId = 1203;
// The field keeps what the host's margin buffer held.
constexpr size_t kMarginTextMax = 19;

// "%.2f" with a "." whatever the locale, and " in" for inches.
std::string MarginText(double value, bool inches) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0.00");
  if (inches) text += " in";
  return text;
}

struct MarginSettings {
  const Setting& value;
  const Setting& inches;
};

void LoadMargin(WEdit& field, const SettingValues& values, MarginSettings margin) {
  field.SetText(MarginText(values.Double(margin.value), values.Bool(margin.inches)));
}

// A text that is no margin leaves the stored one as it was.
void SaveMargin(const WEdit& field, GPrefiguration& record, MarginSettings margin) {
  std::optional<TypedMargin> typed = ParseMargin(field.Text(), margin.value);
  if (!typed) return;
  SettingValues& values = record.Global().Values();
  values.SetDouble(margin.value, typed->value);
  values.SetBool(margin.inches, typed->inches);
  values.Save(record, margin.value);
  values.Save(record, margin.inches);
}

}  // namespace

std::optional<TypedMargin> ParseMargin(std::string_view text, const Setting& range) {
  std::string kept(text.substr(0, kMarginTextMax));
  std::replace(kept.begin(), kept.end(), ',', '.');
  size_t start = kept.find_first_not_of(" \t");
  if (start == std::string::npos) return std::nullopt;
  TypedMargin margin;
  const char* first = kept.data() + start;
  if (*first == '+') ++first;
  auto [end, error] = std::from_chars(first, kept.data() + kept.size(), margin.value, std::chars_format::fixed);
  if (error != std::errc() || !std::isfinite(margin.value)) return std::nullopt;
  if (margin.value < range.min || margin.value > range.max) return std::nullopt;
  margin.inches = kept.find_first_of("iI") != std::string::npos;
  return margin;
}

DPrinter::DPrinter() : WPrefigBase(kPrinterTitleId, schema::kPrinterPage) {
  using namespace layout;
  HandledInHooks({&schema::kLeftMargin, &schema::kLeftMarginInch, &schema::kRightMargin, &schema::kRightMarginInch});
  auto not_raw = [this] { return !Raw(); };
  for (WControl* control : std::initializer_list<WControl*>{&use_colors_, &syntax_highlight_, &single_font_,
                                                            &multi_font_, &header_first_page_}) {
    EnableWhen(*control, not_raw, {&raw_});
  }
  EnableWhen(endless_, raw_);
  auto paged = [this] { return Raw() && !Endless(); };
  EnableWhen(paper_height_, paged, {&raw_, &endless_});
  EnableWhen(form_feed_, paged, {&raw_, &endless_});
  EnableWhen(form_feed_last_, [this] { return Raw() && (Endless() || !form_feed_.IsChecked()); },
             {&raw_, &endless_, &form_feed_});
  EnableWhen(print_headers_, [this] { return !Endless(); }, {&raw_, &endless_});
  EnableWhen(print_footers_, [this] { return !Endless(); }, {&raw_, &endless_});
  for (WControl* field : std::initializer_list<WControl*>{&head_left_, &head_center_, &head_right_}) {
    EnableWhen(*field, [this] { return !Endless() && print_headers_.IsChecked(); },
               {&raw_, &endless_, &print_headers_});
  }
  for (WControl* field : std::initializer_list<WControl*>{&foot_left_, &foot_center_, &foot_right_}) {
    EnableWhen(*field, [this] { return !Endless() && print_footers_.IsChecked(); },
               {&raw_, &endless_, &print_footers_});
  }
  SetLayout(Column{
      Group{kPrintOptionsGroupId,
            {Row{Column{raw_, use_colors_, syntax_highlight_}, Column{form_feed_, form_feed_last_, endless_},
                 Form{paper_width_, paper_height_}}}},
      Group{kHeaderFooterGroupId,
            {Row{Column{print_headers_, header_first_page_}, Column{print_footers_}},
             Row{Form{head_left_, head_center_, head_right_}, Form{foot_left_, foot_center_, foot_right_}}}},
      Row{Form{left_margin_, right_margin_}, Stretch{}},
      Form{single_font_, multi_font_},
      Stretch{},
  });
}

void DPrinter::OnLoad(bool first_time) {
  (void)first_time;
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  LoadMargin(left_margin_, record->Global().Values(), {schema::kLeftMargin, schema::kLeftMarginInch});
  LoadMargin(right_margin_, record->Global().Values(), {schema::kRightMargin, schema::kRightMarginInch});
}

void DPrinter::OnSave() {
  GPrefiguration* record = Record();
  if (record == nullptr) return;
  SaveMargin(left_margin_, *record, {schema::kLeftMargin, schema::kLeftMarginInch});
  SaveMargin(right_margin_, *record, {schema::kRightMargin, schema::kRightMarginInch});
}

void DPrinter::OnDefaults() {
  left_margin_.SetText(schema::kLeftMargin.loader);
  right_margin_.SetText(schema::kRightMargin.loader);
}

}  // namespace prefig
