#pragma once
#include <cstdint>
#include <string>

#include "record/channel_parser.h"

namespace prefig {

// The two result fields beside the multi-channel test line. Their words come
// from the message table, with English texts when it has none.
inline constexpr int kChannelStartMessageId = 358;
inline constexpr int kChannelEndMessageId = 359;
inline constexpr int kSyncWithoutNumberMessageId = 322;  // formatted with the result
// In place of the channel list when the set holds no listed channel (only
// bit 31, a channel digit 0): it still is a synchronisation.
inline constexpr int kSyncWithoutChannelsMessageId = 323;

// "Prg./Channel": the start word, the end word, both joined by " / ", or empty.
std::string ChannelStartEndText(bool start, bool end);

// "Sync. Cmd.": empty without synchronisation. By channel numbers the
// channel list, after "%d: " with the synchronisation number when there is
// one; otherwise the synchronisation number, or when there is none the
// message formatted with the result. A set without a listed channel shows
// as a synchronisation without channels, never as no synchronisation.
std::string SyncResultText(const ChannelEvaluation& evaluation, bool by_channel_numbers);

// Channels 1 to 31 of a bit set, joined by ",". Bit 31 (a channel digit 0)
// is not listed.
std::string ChannelListText(uint32_t channels);

}  // namespace prefig
