#include "record/five_axis_files.h"

#include "ini/ini_text.h"
#include "platform/file_io.h"

namespace prefig {

std::string UserFiveAxisFile(std::string_view types_dir) {
  return platform::JoinPath(types_dir, kUserFiveAxisFileName);
}

std::string TemplateFiveAxisFile(std::string_view program_dir) {
  return platform::JoinPath(platform::JoinPath(program_dir, kTemplatesFolder), kTemplateFiveAxisFileName);
}

std::vector<FiveAxisRecord> ParseFiveAxisLines(std::string_view text) {
  std::vector<FiveAxisRecord> records;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kFiveAxisLineMax) continue;
    if (auto record = ParseFiveAxisRecord(line)) records.push_back(std::move(*record));
  }
  return records;
}

std::string FormatFiveAxisLines(std::span<const FiveAxisRecord> records) {
  std::string text;
  for (const FiveAxisRecord& record : records) {
    text += FormatFiveAxisRecord(record);
    text += ini::kLineEnd;
  }
  return text;
}

std::vector<FiveAxisRecord> ReadFiveAxisFile(const std::string& path) {
  std::string text;
  if (platform::ReadWholeFile(path, text) != platform::ReadStatus::kOk) return {};
  return ParseFiveAxisLines(text);
}

int WriteFiveAxisFile(const std::string& path, std::span<const FiveAxisRecord> records) {
  return platform::ReplaceFile(path, FormatFiveAxisLines(records));
}

}  // namespace prefig
