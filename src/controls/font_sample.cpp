#include "controls/font_sample.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "module/services.h"

namespace prefig {
namespace {

constexpr int kLogicalUnitsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr int kWeightMax = 1000;

}  // namespace

WFontSample::WFontSample(ControlOwner* owner, int label_id, FontSampleOptions options, Help help)
    : WControl(owner, ControlKind::kFontSample, help), sample_id_(options.sample_id), upright_(options.upright) {
  MakeLabel(label_id);
  SetText(options.sample_text != nullptr ? options.sample_text : "");
}

WFontSample::WFontSample(ControlOwner* owner, int label_id, SettingRef setting, FontSampleOptions options, Help help)
    : WFontSample(owner, label_id, options, help) {
  BindTo(setting);
}

void WFontSample::SetFont(const FontDescription& font) {
  if (font == font_) return;
  font_ = font;
  Changed();
}

std::string WFontSample::FaceAndSize() const {
  if (font_.height == 0) return font_.face_name;
  long points = std::lround(std::abs(static_cast<double>(font_.height)) * kPointsPerInch / kLogicalUnitsPerInch);
  return font_.face_name + ", " + std::to_string(points) + " pt";
}

bool WFontSample::Choose() {
  if (!IsEnabled()) return false;
  FontRequest request{font_.face_name, font_.height, font_.weight, font_.italic != 0};
  if (!GetServices().ChooseFont(request)) return false;
  FontDescription chosen = font_;
  chosen.face_name = request.face.substr(0, kFaceNameMax);
  chosen.height = request.height;
  chosen.weight = std::clamp(request.weight, 0, kWeightMax);
  chosen.italic = request.italic && !upright_ ? 1 : 0;
  SetFont(chosen);
  Edited();
  return true;
}

void WFontSample::ApplyTexts() {
  WControl::ApplyTexts();
  if (sample_id_ != 0) SetTextFromId(sample_id_);
}

}  // namespace prefig
