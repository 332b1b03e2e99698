#include "record/setting_values.h"

#include <algorithm>
#include <stdexcept>

#include "schema/declared_values.h"
#include "schema/registry.h"
#include "schema/setting_index.h"

namespace prefig {

struct SlotLayout {
  SettingIndex first_slot;
  int slots = 0;
  std::vector<SettingValues::Slot> initial;  // every value at its declared default, none held
};

namespace {

const SlotLayout& LayoutOf(Scope scope) {
  static const auto build = [](Scope file) {
    SlotLayout layout;
    for (const Setting* s : SettingsOf(file)) {
      if (s->held_by != HeldBy::kValues) continue;
      layout.first_slot.Add(s, layout.slots);
      layout.slots += s->count;
      for (int member = 0; member < s->count; ++member) {
        layout.initial.push_back({ParseValue(*s, LoaderDefault(*s, 0, false, member)), false});
      }
    }
    return layout;
  };
  static const SlotLayout main = build(Scope::kMain), type = build(Scope::kType), dnc = build(Scope::kDnc);
  switch (scope) {
    case Scope::kType: return type;
    case Scope::kDnc: return dnc;
    default: return main;
  }
}

}  // namespace

SettingValues::SettingValues(Scope scope) : scope_(scope), layout_(&LayoutOf(scope)) { slots_ = layout_->initial; }

bool SettingValues::Holds(const Setting& s) const { return layout_->first_slot.Find(&s) >= 0; }

const SettingValues::Slot& SettingValues::At(const Setting& s, int member) const {
  int first = layout_->first_slot.Find(&s);
  if (first < 0 || member < 0 || member >= s.count) {
    throw std::logic_error(std::string("setting not held here: ") + s.section + "/" + s.key);
  }
  return slots_[static_cast<size_t>(first + member)];
}

SettingValues::Slot& SettingValues::At(const Setting& s, int member) {
  return const_cast<Slot&>(static_cast<const SettingValues*>(this)->At(s, member));
}

bool SettingValues::Bool(const Setting& s, int member) const { return std::get<bool>(At(s, member).value); }
int SettingValues::Int(const Setting& s, int member) const { return std::get<int>(At(s, member).value); }
double SettingValues::Double(const Setting& s, int member) const { return std::get<double>(At(s, member).value); }
uint32_t SettingValues::Colour(const Setting& s, int member) const { return std::get<uint32_t>(At(s, member).value); }
const std::string& SettingValues::Text(const Setting& s, int member) const {
  return std::get<std::string>(At(s, member).value);
}
char SettingValues::Char(const Setting& s, int member) const {
  const std::string& text = Text(s, member);
  return text.empty() ? '\0' : text[0];
}
const std::vector<std::string>& SettingValues::List(const Setting& s, int member) const {
  return std::get<std::vector<std::string>>(At(s, member).value);
}
const FontDescription& SettingValues::Font(const Setting& s, int member) const {
  return std::get<FontDescription>(At(s, member).value);
}

void SettingValues::SetBool(const Setting& s, bool value, int member) { SetValue(s, value, member); }
void SettingValues::SetInt(const Setting& s, int value, int member) { SetValue(s, value, member); }
void SettingValues::SetDouble(const Setting& s, double value, int member) { SetValue(s, value, member); }

void SettingValues::SetText(const Setting& s, std::string_view value, int member) {
  SetValue(s, s.kind == Kind::kChar ? std::string(value.substr(0, 1)) : CutToLength(value, s.length), member);
}

void SettingValues::SetList(const Setting& s, std::vector<std::string> value, int member) {
  if (s.items > 0 && value.size() > static_cast<size_t>(s.items)) value.resize(static_cast<size_t>(s.items));
  for (std::string& item : value) item = CutToLength(item, s.length);
  SetValue(s, std::move(value), member);
}

void SettingValues::SetValue(const Setting& s, Value value, int member) {
  Slot& slot = At(s, member);
  if (slot.value.index() != value.index()) throw std::logic_error("setting of another kind");
  slot.value = std::move(value);
  slot.held = true;
}

bool SettingValues::IsHeld(const Setting& s, int member) const { return At(s, member).held; }

std::string SettingValues::Format(const Setting& s, int member) const { return FormatValue(s, At(s, member).value); }

void SettingValues::LoadMember(GIniFile& ini, const Setting& s, int member, const LoadContext& context, int slot_number,
                               int scan_id) {
  std::optional<Value> found;
  if (scan_) {
    if (s.kind == Kind::kFont) {
      found = FontFromScan(s, *scan_);
    } else if (auto stored = scan_->At(scan_id)) {
      found = DecodeStored(s, *stored);
    }
  }
  Slot& slot = slots_[static_cast<size_t>(slot_number)];
  Value value = found ? std::move(*found)
                      : ReadSettingKey(ini, s, DeclaredKeyName(s, member), DefaultText(s, context, member, this));
  if (s.if_empty && std::holds_alternative<std::string>(value) && std::get<std::string>(value).empty()) {
    value = std::string(s.if_empty);
  }
  if (s.no_while) {
    if (!IsHeld(*s.no_while)) Load(ini, *s.no_while, context);
    if (Bool(*s.no_while)) value = false;
  }
  slot.value = std::move(value);
  slot.held = true;
}

void SettingValues::Load(GIniFile& ini, const Setting& s, const LoadContext& context) {
  if (s.held_by == HeldBy::kIniFile) {
    for (int member = 0; member < s.count; ++member) {
      if (!scan_ || !scan_->Find(s, member)) ReadSetting(ini, s, member, DefaultText(s, context, member));
    }
    return;
  }
  int first_slot = layout_->first_slot.Find(&s);
  if (first_slot < 0) return;
  if (s.only_when) {
    if (!IsHeld(*s.only_when)) Load(ini, *s.only_when, context);
    if (!Bool(*s.only_when)) {
      for (int member = 0; member < s.count; ++member) {
        Slot& slot = At(s, member);
        slot.value = ParseValue(s, "");
        slot.held = false;
      }
      return;
    }
  }
  int first_id = scan_ ? scan_->FirstId(s) : -1;
  for (int member = 0; member < s.count; ++member) {
    LoadMember(ini, s, member, context, first_slot + member, first_id < 0 ? -1 : first_id + member);
  }
}

void SettingValues::Save(GIniFile& ini, const Setting& s) const {
  if (!Holds(s)) return;
  for (int member = 0; member < s.count; ++member) {
    const Slot& slot = At(s, member);
    if (!slot.held) continue;
    WriteSetting(ini, s, member, slot.value);
    if (scan_) scan_->Forget(s, member);
  }
}

namespace {
// Calls `each(setting, member)` member by member: the first member of every
// setting of the table, then the second, and so on.
template <typename Each>
void ForEachMemberOf(const SettingTable& table, Each each) {
  int members = 0;
  for (const Setting* s : table.settings) members = std::max(members, s->count);
  for (int member = 0; member < members; ++member) {
    for (const Setting* s : table.settings) {
      if (member < s->count) each(*s, member);
    }
  }
}
}  // namespace

void SettingValues::Load(GIniFile& ini, const SettingTable& table, const LoadContext& context) {
  if (!table.by_member) {
    for (const Setting* s : table.settings) Load(ini, *s, context);
    return;
  }
  ForEachMemberOf(table, [&](const Setting& s, int member) {
    int first_slot = layout_->first_slot.Find(&s);
    if (first_slot < 0) return;
    int first_id = scan_ ? scan_->FirstId(s) : -1;
    LoadMember(ini, s, member, context, first_slot + member, first_id < 0 ? -1 : first_id + member);
  });
}

void SettingValues::Save(GIniFile& ini, const SettingTable& table) const {
  if (!table.by_member) {
    for (const Setting* s : table.settings) Save(ini, *s);
    return;
  }
  ForEachMemberOf(table, [&](const Setting& s, int member) {
    if (!Holds(s) || !At(s, member).held) return;
    WriteSetting(ini, s, member, At(s, member).value);
    if (scan_) scan_->Forget(s, member);
  });
}

}  // namespace prefig
