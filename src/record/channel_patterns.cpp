#include "record/channel_patterns.h"

#include <string_view>

#include "ini/ini_text.h"
#include "record/channel_methods.h"

namespace prefig {
namespace {

std::string StartOrEnd(const StoredPattern& entry) {
  if (ini::Trim(entry.text).empty()) return {};
  if (entry.regex) return entry.text;
  if (entry.text == "O") return "^ *N*[0-9]* *O<[0-9]+>";
  if (entry.text == ":") return "^ *N*[0-9]* *:<[0-9]+>";
  std::string_view text = entry.text;
  if (text.find(',') == std::string_view::npos) return entry.text;
  std::string alternation;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t comma = text.find(',', begin);
    if (comma == std::string_view::npos) comma = text.size();
    std::string_view piece = ini::Trim(text.substr(begin, comma - begin));
    if (!piece.empty()) {
      if (!alternation.empty()) alternation += '|';
      alternation.append("(").append(piece).append(")");
    }
    begin = comma + 1;
  }
  return alternation;
}

std::string Sync(const StoredPattern& entry) {
  if (ini::Trim(entry.text).empty()) return {};
  return entry.regex ? entry.text : entry.text + "<[0-9]>";
}

}  // namespace

ChannelPatternTexts ChannelPatternsFor(const ChannelSettings& settings) {
  if (const ChannelMethod* method = ChannelMethodOf(settings.mode)) {
    return {method->start, "", method->sync, method->sync_number ? method->sync_number : "",
            method->by_channel_numbers};
  }
  return {StartOrEnd(settings.start), StartOrEnd(settings.end), Sync(settings.sync), Sync(settings.sync_number),
          settings.by_channel_numbers};
}

}  // namespace prefig
