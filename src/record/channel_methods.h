#pragma once

namespace prefig {

// A predefined synchronisation method: a control's convention for marking
// where a channel's program starts and where the channels wait for each
// other. No method has a channel-end pattern.
struct ChannelMethod {
  const char* list_entry;   // the entry of the mode list
  const char* start;        // channel start
  const char* sync;         // synchronisation command
  const char* sync_number;  // synchronisation number, or null
  bool by_channel_numbers;  // the command names channels; otherwise its number identifies it
};

// Modes 1 to kChannelMethodCount select a method; 0, and any other mode, means
// the patterns the user entered.
inline constexpr int kChannelMethodCount = 12;
// The mode list's first entry, the user-defined mode.
inline constexpr int kUserDefinedModeMessageId = 1566;

// The method of a mode, or null for the user-defined mode.
const ChannelMethod* ChannelMethodOf(int mode);

}  // namespace prefig
