#pragma once
#include <string>

#include "controls/control.h"
#include "schema/font_description.h"

namespace prefig {

struct FontSampleOptions {
  int sample_id = 0;             // the sample's message id, or
  const char* sample_text = "";  // a fixed sample ("G0 X100.0")
  bool upright = false;          // a chosen italic is dropped (the editor's font is never italic)
};

// A sample text drawn in a font, its face and size, and the font button
// beside it. Bound to a font setting it shows the stored logical-font
// record; the button runs the font chooser.
class WFontSample : public WControl {
 public:
  static constexpr int kButtonTooltipId = 1159;

  WFontSample(ControlOwner* owner, int label_id, FontSampleOptions options = {}, Help help = {});
  WFontSample(ControlOwner* owner, int label_id, SettingRef setting, FontSampleOptions options = {}, Help help = {});

  const FontDescription& Font() const { return font_; }
  void SetFont(const FontDescription& font);
  // "Courier New, 12 pt": the face and the character height in points (a
  // record's logical units are pixels at 96 per inch).
  std::string FaceAndSize() const;
  std::string ButtonTooltip() const { return MessageString(kButtonTooltipId, true); }

  // The user's click on the font button: the chooser starts on the font; on
  // OK the font takes the chosen face, height, weight and italic (the rest
  // of the record stays) and the page hears of it. False when cancelled.
  bool Choose();

  void ApplyTexts() override;

 private:
  FontDescription font_;
  int sample_id_;
  bool upright_;
};

}  // namespace prefig
