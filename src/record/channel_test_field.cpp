#include "record/channel_test_field.h"

#include <cstdio>
#include <string_view>

#include "module/module_state.h"

namespace prefig {
namespace {

constexpr int kListedChannels = 31;

std::string_view Message(int id) {
  if (const char* text = MessageText(id)) return text;
  switch (id) {
    case kChannelStartMessageId: return "Channel start";
    case kChannelEndMessageId: return "Channel end";
    case kSyncWithoutNumberMessageId: return "Sync. %d";
    case kSyncWithoutChannelsMessageId: return "no channel";
  }
  return {};
}

// The message text is the host's: only its first %d (or %i, with flags and
// width) takes the number, "%%" is one "%", anything else stays as it is,
// so a stray "%s" cannot read what was never passed.
std::string FormatWithNumber(std::string_view format, long long number) {
  std::string out;
  bool used = false;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      out += format[i];
      continue;
    }
    if (format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < format.size() && std::string_view("-+ 0#").find(format[j]) != std::string_view::npos) ++j;
    size_t width_begin = j;
    while (j < format.size() && j - width_begin < 2 && format[j] >= '0' && format[j] <= '9') ++j;
    if (used || j == format.size() || (format[j] != 'd' && format[j] != 'i')) {
      out += format[i];
      continue;
    }
    std::string conversion(format.substr(i, j - i));
    conversion += "lld";
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, conversion.c_str(), number);
    out += buffer;
    used = true;
    i = j;
  }
  return out;
}

}  // namespace

std::string ChannelStartEndText(bool start, bool end) {
  std::string text;
  if (start) text = Message(kChannelStartMessageId);
  if (end) {
    if (!text.empty()) text += " / ";
    text += Message(kChannelEndMessageId);
  }
  return text;
}

std::string ChannelListText(uint32_t channels) {
  std::string text;
  for (int channel = 1; channel <= kListedChannels; ++channel) {
    if (!(channels & (uint32_t{1} << (channel - 1)))) continue;
    if (!text.empty()) text += ',';
    text += std::to_string(channel);
  }
  return text;
}

std::string SyncResultText(const ChannelEvaluation& evaluation, bool by_channel_numbers) {
  if (evaluation.result == 0) return {};
  if (by_channel_numbers) {
    std::string list = ChannelListText(evaluation.result);
    if (list.empty()) list = Message(kSyncWithoutChannelsMessageId);
    return evaluation.number >= 0 ? std::to_string(evaluation.number) + ": " + list : list;
  }
  if (evaluation.number >= 0) return std::to_string(evaluation.number);
  return FormatWithNumber(Message(kSyncWithoutNumberMessageId), evaluation.result);
}

}  // namespace prefig
