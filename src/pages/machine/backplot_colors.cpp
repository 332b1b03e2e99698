#include "pages/machine/backplot_colors.h"

#include "controls/hls.h"
#include "pages/binding.h"
#include "record/prefiguration.h"

namespace prefig {
namespace {

using namespace schema;

constexpr int kBackplotColoursTitleId = 1014;
constexpr int kColourGroupId = 1014;
constexpr int kNameColumnId = 436;
constexpr uint8_t kBoundingSideOpacity = 0x26;
constexpr uint8_t kBoundingCornerOpacity = 0xBF;

// A corner of the background as a shade of the upper-left colour: lightness
// and saturation raised by, or (negative) lowered to, so many per cent.
struct BackgroundShade {
  const Setting* corner;
  int lightness, saturation;
};
constexpr BackgroundShade kBackgroundShades[] = {
    {&kColBackgroundLowerLeft, 20, 12}, {&kColBackgroundLowerRight, 40, 25}, {&kColBackgroundUpperRight, -90, -93}};

// Entries that take another entry's colour unchanged.
constexpr std::pair<const Setting*, const Setting*> kCopies[] = {
    {&kColToolpathCutting, &kColToolpathLinear},   {&kColToolDirection, &kColToolPosition},
    {&kColHighlightedLinear, &kColHighlighted},    {&kColHighlightedCircular, &kColHighlighted},
    {&kColHighlightedHelical, &kColHighlighted},   {&kColLeadCollision, &kColRapidCollision},
    {&kColShaftCollision, &kColShoulderCollision},
};

int Shaded(int part, int percent) { return percent >= 0 ? RaisedBy(part, percent) : LoweredTo(part, -percent); }

}  // namespace

DInspectColors::DInspectColors() : WPrefigBase(kBackplotColoursTitleId, kBackplotColoursPage) {
  using namespace layout;
  for (const BackplotColour& entry : kBackplotColours) {
    colours_.push_back(std::make_unique<WColorIndicator>(this, entry.message_id, *entry.setting));
    colours_.back()->Show(false);
    colours_.back()->SetControlName(entry.name);
  }
  list_.SetControlName("colours");
  preview_.SetControlName("preview");
  list_.AddColumn(kNameColumnId, 0);
  list_.SetOnActivate([this] { Choose(); });
  SetLayout(Column{
      Group{kColourGroupId,
            {Row{list_, Column{preview_, Form{red_, green_, blue_, opacity_, lightness_}, Row{select_, default_},
                               no_gradient_, Stretch{}}}}},
  });
}

Rgba DInspectColors::Colour(const Setting& setting) const {
  for (size_t i = 0; i < kBackplotColours.size(); ++i) {
    if (kBackplotColours[i].setting == &setting) return colours_[i]->Color();
  }
  return {};
}

void DInspectColors::OnLoad(bool first_time) {
  if (first_time) {
    std::vector<WHeaderCtrl::Row> rows;
    for (size_t i = 0; i < kBackplotColours.size(); ++i) {
      if (kBackplotColours[i].message_id == 0) continue;
      listed_.push_back(static_cast<int>(i));
      rows.push_back({{MessageString(kBackplotColours[i].message_id)}});
    }
    list_.SetRows(std::move(rows));
  }
  Derive();
  list_.Select(0);
  ShowEntry();
}

void DInspectColors::OnDefaults() {
  Derive();
  list_.Select(0);
  ShowEntry();
}

WColorIndicator* DInspectColors::Selected() {
  int row = list_.Selected();
  if (row < 0 || row >= static_cast<int>(listed_.size())) return nullptr;
  return colours_[listed_[row]].get();
}

void DInspectColors::ShowEntry() {
  FillSwatches();
  WColorIndicator* entry = Selected();
  if (entry == nullptr) return;
  Rgba colour = entry->Color();
  preview_.SetColor(colour);
  red_.SetPosition(colour.red);
  green_.SetPosition(colour.green);
  blue_.SetPosition(colour.blue);
  opacity_.SetPosition(colour.alpha);
  lightness_.SetPosition(ToHls(colour).lightness);
  const BackplotColour& row = kBackplotColours[listed_[list_.Selected()]];
  opacity_.Enable(row.opacity_editable);
  bool background = list_.Selected() == 0;
  opacity_.Show(!background);
  no_gradient_.Show(background);
}

void DInspectColors::SetSelectedColour(Rgba colour) {
  WColorIndicator* entry = Selected();
  if (entry == nullptr) return;
  entry->SetColor(colour);
  Derive();
  ShowEntry();
}

void DInspectColors::OnEdited(WControl& control) {
  WColorIndicator* entry = Selected();
  if (&control == &list_) {
    ShowEntry();
  } else if (entry != nullptr &&
             (&control == &red_ || &control == &green_ || &control == &blue_ || &control == &opacity_)) {
    SetSelectedColour({static_cast<uint8_t>(red_.Position()), static_cast<uint8_t>(green_.Position()),
                       static_cast<uint8_t>(blue_.Position()), static_cast<uint8_t>(opacity_.Position())});
  } else if (entry != nullptr && &control == &lightness_) {
    Hls hls = ToHls(entry->Color());
    hls.lightness = lightness_.Position();
    Rgba colour = FromHls(hls, entry->Color().alpha);
    entry->SetColor(colour);
    Derive();
    ShowEntry();
    lightness_.SetPosition(hls.lightness);  // the round trip may land one off
  } else if (&control == &no_gradient_) {
    Derive();
  } else if (control.Kind() == ControlKind::kColorIndicator) {
    Derive();
    ShowEntry();
  }
}

void DInspectColors::Derive() {
  auto colour_of = [this](const Setting& s) -> WColorIndicator* {
    for (size_t i = 0; i < kBackplotColours.size(); ++i) {
      if (kBackplotColours[i].setting == &s) return colours_[i].get();
    }
    return nullptr;
  };
  Rgba upper_left = colour_of(kColBackgroundUpperLeft)->Color();
  Hls hls = ToHls(upper_left);
  for (const BackgroundShade& shade : kBackgroundShades) {
    Rgba corner = upper_left;
    if (!no_gradient_.IsChecked()) {
      corner = FromHls({hls.hue, Shaded(hls.lightness, shade.lightness), Shaded(hls.saturation, shade.saturation)},
                       upper_left.alpha);
    }
    colour_of(*shade.corner)->SetColor(corner);
  }
  for (auto [target, source] : kCopies) colour_of(*target)->SetColor(colour_of(*source)->Color());
  Rgba frame = colour_of(kColBoundingFrame)->Color();
  colour_of(kColBoundingSide)->SetColor({frame.red, frame.green, frame.blue, kBoundingSideOpacity});
  colour_of(kColBoundingCorner)->SetColor({frame.red, frame.green, frame.blue, kBoundingCornerOpacity});
}

void DInspectColors::FillSwatches() {
  std::vector<Rgba> swatches;
  for (int index : listed_) swatches.push_back(colours_[index]->Color());
  list_.SetSwatches(std::move(swatches));
}

void DInspectColors::Choose() {
  if (WColorIndicator* entry = Selected(); entry != nullptr && entry->Choose()) {
    Derive();
    ShowEntry();
  }
}

void DInspectColors::DefaultEntry() {
  WColorIndicator* entry = Selected();
  if (entry == nullptr) return;
  DefaultControl(*entry, {});
  Derive();
  ShowEntry();
}

}  // namespace prefig
