#include "record/tool_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "ini/ini_file.h"
#include "ini/ini_text.h"
#include "record/setting_io.h"
#include "schema/declared_values.h"
#include "schema/registry.h"

namespace prefig {
namespace {

constexpr int kFields = 26;

std::string Field(std::string text) {
  std::replace(text.begin(), text.end(), '|', '#');
  return text;
}

// The fields in record order: each either a number or a text.
template <typename Tool, typename OnInt, typename OnUnsigned, typename OnText>
void VisitFields(Tool& tool, OnInt on_int, OnUnsigned on_unsigned, OnText on_text) {
  on_int(tool.number);
  on_int(tool.type);
  on_int(tool.unit);
  for (auto* text : {&tool.name, &tool.comment, &tool.diameter, &tool.corner_radius, &tool.taper_angle,
                     &tool.flute_length, &tool.shoulder_length, &tool.body_length, &tool.arbor_diameter}) {
    on_text(*text);
  }
  on_unsigned(tool.colour);
  for (auto* text :
       {&tool.holder, &tool.holder_diameter, &tool.holder_length, &tool.shoulder_diameter, &tool.tip_angle}) {
    on_text(*text);
  }
  on_int(tool.flutes);
  for (auto* text : {&tool.insert_shape, &tool.insert_size, &tool.nose_radius, &tool.orientation, &tool.library_id}) {
    on_text(*text);
  }
  on_int(tool.flags);
}

}  // namespace

std::string FormatToolRecord(const ToolRecord& tool) {
  std::string text = std::to_string(ToolRecord::kFormat);
  auto append = [&text](const std::string& field) {
    text += '|';
    text += field;
  };
  VisitFields(
      tool, [&](int n) { append(std::to_string(n)); }, [&](uint32_t n) { append(std::to_string(n)); },
      [&](const std::string& s) { append(Field(s)); });
  return text;
}

namespace {
bool ParseInto(std::string_view text, ToolRecord& tool) {
  std::array<std::string_view, kFields> fields;
  size_t found = 0;
  for (size_t start = 0;; ++found) {
    size_t bar = text.find('|', start);
    if (found == kFields) return false;
    fields[found] = text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  if (found + 1 != kFields || ini::DecodeInt(fields[0]) != ToolRecord::kFormat) return false;
  size_t next = 1;
  VisitFields(
      tool, [&](int& n) { n = ini::DecodeInt(fields[next++]); },
      [&](uint32_t& n) {
        std::string_view field = ini::Trim(fields[next++]);
        n = 0;
        std::from_chars(field.data(), field.data() + field.size(), n);
      },
      [&](std::string& s) { s = fields[next++]; });
  return true;
}
}  // namespace

void ToolTable::Load(GIniFile& ini, const DeclaredValues* scan) {
  int count = std::get<int>(ReadSettingFrom(ini, scan, count_, 0, count_.loader));
  tools_.clear();
  tools_.reserve(static_cast<size_t>(count));
  int first_id = scan ? scan->FirstId(entry_) : -1;
  for (int i = 0; i < count && i < entry_.count; ++i) {
    std::string read;
    std::optional<std::string_view> text;
    if (scan) {
      text = scan->At(first_id + i);
    } else if (ini.KeyExists(entry_.section, DeclaredKeyName(entry_, i))) {
      read = ini.GetString(entry_.section, DeclaredKeyName(entry_, i));
      text = read;
    }
    if (!text) continue;
    tools_.emplace_back();
    if (!ParseInto(*text, tools_.back())) tools_.pop_back();
  }
  stored_count_ = count;
}

void ToolTable::Save(GIniFile& ini) {
  int count = std::min(static_cast<int>(tools_.size()), entry_.count);
  ini.WriteInt(count_.section, count_.key, count);
  for (int i = 0; i < count; ++i)
    ini.WriteString(entry_.section, DeclaredKeyName(entry_, i), FormatToolRecord(tools_[i]));
  for (int i = count; i < stored_count_; ++i) ini.DeleteKey(entry_.section, DeclaredKeyName(entry_, i));
  stored_count_ = count;
}

}  // namespace prefig
