#include "store/tool_table.h"

#include <algorithm>
#include <charconv>

#include "store/ini_file.h"
#include "store/ini_text.h"
#include "store/setting.h"

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
  for (auto* text : {&tool.holder, &tool.holder_diameter, &tool.holder_length, &tool.shoulder_diameter,
                     &tool.tip_angle}) {
    on_text(*text);
  }
  on_int(tool.flutes);
  for (auto* text : {&tool.insert_shape, &tool.insert_size, &tool.nose_radius, &tool.orientation,
                     &tool.library_id}) {
    on_text(*text);
  }
  on_int(tool.flags);
}

}  // namespace

std::string FormatToolRecord(const ToolRecord& tool) {
  std::string text = std::to_string(ToolRecord::kFormat);
  VisitFields(
      tool, [&](int n) { text += "|" + std::to_string(n); }, [&](uint32_t n) { text += "|" + std::to_string(n); },
      [&](const std::string& s) { text += "|" + Field(s); });
  return text;
}

std::optional<ToolRecord> ParseToolRecord(std::string_view text) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    size_t bar = text.find('|', start);
    fields.push_back(text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  if (fields.size() != kFields || ini::DecodeInt(fields[0]) != ToolRecord::kFormat) return std::nullopt;
  ToolRecord tool;
  size_t next = 1;
  VisitFields(
      tool, [&](int& n) { n = ini::DecodeInt(fields[next++]); },
      [&](uint32_t& n) {
        std::string_view field = ini::Trim(fields[next++]);
        n = 0;
        std::from_chars(field.data(), field.data() + field.size(), n);
      },
      [&](std::string& s) { s = fields[next++]; });
  return tool;
}

void ToolTable::Load(GIniFile& ini) {
  int count = ini.GetInt(count_.section, count_.key, ini::DecodeInt(count_.loader), static_cast<int>(count_.min),
                         static_cast<int>(count_.max));
  tools_.clear();
  for (int i = 0; i < count && i < entry_.count; ++i) {
    std::string key = KeyName(entry_, i);
    if (!ini.KeyExists(entry_.section, key)) continue;
    if (auto tool = ParseToolRecord(ini.GetString(entry_.section, key))) tools_.push_back(*tool);
  }
  stored_count_ = count;
}

void ToolTable::Save(GIniFile& ini) {
  int count = std::min(static_cast<int>(tools_.size()), entry_.count);
  ini.WriteInt(count_.section, count_.key, count);
  for (int i = 0; i < count; ++i) ini.WriteString(entry_.section, KeyName(entry_, i), FormatToolRecord(tools_[i]));
  for (int i = count; i < stored_count_; ++i) ini.DeleteKey(entry_.section, KeyName(entry_, i));
  stored_count_ = count;
}

}  // namespace prefig
